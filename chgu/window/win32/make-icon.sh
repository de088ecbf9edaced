#!/usr/bin/env bash
# Draws chgu.ico (32 x 32): a bar chart in the wave colours on a teal tile.
# Run again only to change the icon; the result is committed.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 32x32 xc:none \
  -fill '#008080' -stroke '#004040' -strokewidth 1 -draw 'roundrectangle 1,1 30,30 6,6' \
  -stroke none -fill '#E0F0F0' -draw 'rectangle 5,25 26,26' \
  -fill '#E02020' -draw 'rectangle 6,14 11,24' \
  -fill '#20C040' -draw 'rectangle 13,6 18,24' \
  -fill '#4060FF' -draw 'rectangle 20,10 25,24' \
  chgu.ico
