#!/usr/bin/env bash
# Draws kova.ico (32 x 32): three balls in the wave colours on a sky-blue
# tile. Run again only to change the icon; the result is committed.
# With SIZE and FILE it draws the same picture SIZE pixels square into FILE
# (any format imagemagick writes): the page's app icons are drawn so.
# Usage: make-icon.sh [SIZE FILE]
set -euo pipefail
size=${1:-32}
if [ $# -ge 2 ]; then
  file=$(realpath -m "$2")
  depth=(-depth 8 -define png:exclude-chunks=date,time)
else
  depth=()
  file=kova.ico
  cd "$(dirname "$0")"
fi
s=$(awk -v size="$size" 'BEGIN { print size / 32 }')
scaled() { echo "scale $s,$s $*"; }
convert -size "${size}x${size}" xc:none \
  -fill '#A6CAF0' -stroke '#204080' -strokewidth 1 -draw "$(scaled 'roundrectangle 1,1 30,30 6,6')" \
  -stroke none \
  -fill '#E02020' -draw "$(scaled 'circle 10,11 10,5')" \
  -fill '#20A040' -draw "$(scaled 'circle 22,11 22,5')" \
  -fill '#2040E0' -draw "$(scaled 'circle 16,22 16,16')" \
  -fill white -draw "$(scaled 'circle 8,9 8,8')" -draw "$(scaled 'circle 20,9 20,8')" \
  -draw "$(scaled 'circle 14,20 14,19')" \
  "${depth[@]}" "$file"
