#!/usr/bin/env bash
# Draws the program icon with ImageMagick; the results are kept in resources/, so this only runs
# when the icon is to be changed. The start picture and the tool button symbols are drawings in
# src/pictures/zeichnungen.cpp.
set -euo pipefail
cd "$(dirname "$0")/../resources"
# The program icon in the sizes of the desktop's icon theme: a pitch seen from above with one
# rod of each team and the ball.
p=programmsymbol
mkdir -p "$p"
convert -size 256x256 xc:none -fill '#5d4037' -draw 'roundrectangle 8,8 247,247 40,40' \
    -fill '#2e7d32' -draw 'roundrectangle 28,28 227,227 22,22' -fill none -stroke white \
    -strokewidth 6 -draw 'line 128,32 128,223' -draw 'circle 128,128 128,162' \
    -stroke '#cfd8dc' -strokewidth 10 -draw 'line 76,16 76,240' -draw 'line 180,16 180,240' \
    -stroke none -fill '#1565c0' -draw 'roundrectangle 62,52 90,92 8,8' \
    -draw 'roundrectangle 62,164 90,204 8,8' -fill '#c62828' \
    -draw 'roundrectangle 166,52 194,92 8,8' -draw 'roundrectangle 166,164 194,204 8,8' \
    -fill white -stroke '#37474f' -strokewidth 3 -draw 'circle 128,128 128,110' "PNG32:$p/programmsymbol_256.png"
for groesse in 16 24 32 48 64 128; do
    convert "$p/programmsymbol_256.png" -resize "${groesse}x${groesse}" "PNG32:$p/programmsymbol_$groesse.png"
done
