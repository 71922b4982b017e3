#!/usr/bin/env bash
# Draws the drop target's pictures (a door, resting and lit) at twice the size
# they are shown, so they stay sharp on high-density screens: one pair for light
# palettes and one, on a dark backdrop, for dark ones.
set -euo pipefail
out=${1:-$(dirname "$0")/../resources}
draw() { # $1 file, $2 background top, $3 bottom, $4 door, $5 panel, $6 glow
  convert -size 640x440 gradient:"$2"-"$3" \
    -fill "$6" -draw "roundrectangle 196,28 444,420 26,26" \
    -fill "#3b2a20" -draw "roundrectangle 212,44 428,412 18,18" \
    -fill "$4" -draw "roundrectangle 224,56 416,404 12,12" \
    -fill "$5" -draw "roundrectangle 248,80 392,214 10,10" \
    -fill "$5" -draw "roundrectangle 248,238 392,380 10,10" \
    -fill "#f4d58d" -draw "circle 392,232 404,232" \
    -fill "#ffffff" -draw "ellipse 304,148 20,15 0,360" \
    -stroke "#ffffff" -strokewidth 7 -draw "line 321,146 321,96" \
    -draw "line 321,96 352,108" -stroke none \
    -fill "#ffffff" -draw "ellipse 288,316 16,12 0,360" \
    -fill "#ffffff" -draw "ellipse 344,306 16,12 0,360" \
    -stroke "#ffffff" -strokewidth 6 -draw "line 302,314 302,270" -draw "line 358,304 358,262" \
    -draw "line 302,270 358,262" -stroke none \
    -quality 92 "$1"
}
draw "$out/door.jpg"      "#eef1f5" "#d9dfe7" "#8a5a3c" "#7a4e33" "#c9d1dc"
draw "$out/doorLight.jpg" "#fff8e6" "#ffe9b8" "#b07448" "#9c633c" "#ffd36b"
draw "$out/doorDark.jpg"      "#363a41" "#2a2d33" "#8a5a3c" "#7a4e33" "#4b5361"
draw "$out/doorLightDark.jpg" "#3f3727" "#30291c" "#b07448" "#9c633c" "#d9a93f"
