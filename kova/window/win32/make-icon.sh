#!/usr/bin/env bash
# Draws kova.ico (32 x 32): three balls in the wave colours on a sky-blue
# tile. Run again only to change the icon; the result is committed.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 32x32 xc:none \
  -fill '#A6CAF0' -stroke '#204080' -strokewidth 1 -draw 'roundrectangle 1,1 30,30 6,6' \
  -stroke none \
  -fill '#E02020' -draw 'circle 10,11 10,5' \
  -fill '#20A040' -draw 'circle 22,11 22,5' \
  -fill '#2040E0' -draw 'circle 16,22 16,16' \
  -fill white -draw 'circle 8,9 8,8' -draw 'circle 20,9 20,8' -draw 'circle 14,20 14,19' \
  kova.ico
