#!/usr/bin/env bash
# Draws the application icon (the door of the drop target with a note on it) at
# the hicolor theme's usual sizes, from one 512-pixel master.
set -euo pipefail
out=${1:-$(dirname "$0")/../resources/icons}
mkdir -p "$out"
master="$out/qelvanto-512.png"
convert -size 512x512 xc:none \
  -fill "#2f6f9f" -draw "roundrectangle 16,16 496,496 96,96" \
  -fill "#f4d58d" -draw "roundrectangle 136,56 376,468 28,28" \
  -fill "#3b2a20" -draw "roundrectangle 150,70 362,456 20,20" \
  -fill "#b07448" -draw "roundrectangle 164,84 348,444 14,14" \
  -fill "#ffe9b8" -draw "circle 186,262 198,262" \
  -fill "#ffffff" -draw "ellipse 228,330 34,26 0,360" \
  -fill "#ffffff" -draw "ellipse 304,310 34,26 0,360" \
  -stroke "#ffffff" -strokewidth 14 -draw "line 256,326 256,170" -draw "line 332,306 332,150" \
  -strokewidth 22 -draw "line 256,176 332,156" -stroke none \
  -strip "$master"
for size in 16 24 32 48 64 128 256; do
  convert "$master" -resize "${size}x${size}" -strip "$out/qelvanto-$size.png"
done
