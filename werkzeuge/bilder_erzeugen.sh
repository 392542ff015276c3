#!/usr/bin/env bash
# Draws the tool button icons and the start picture with ImageMagick; the results are kept in
# resources/, so this only runs when a picture is to be changed.
set -euo pipefail
cd "$(dirname "$0")/../resources"
s=symbole
neu() { convert -size 48x48 xc:none "$@"; }
neu -fill '#2e7d32' -draw 'circle 20,14 20,5' -draw 'roundrectangle 6,26 34,44 8,8' \
    -fill '#f9a825' -draw 'rectangle 36,18 42,40' -draw 'rectangle 28,26 50,32' "PNG32:$s/erfassen.png"
neu -fill white -stroke '#455a64' -strokewidth 2 -draw 'roundrectangle 6,4 42,44 4,4' \
    -stroke '#2e7d32' -strokewidth 4 -fill none -draw 'polyline 12,16 16,20 24,10' \
    -draw 'polyline 12,32 16,36 24,26' -stroke '#455a64' -strokewidth 3 \
    -draw 'line 28,16 38,16' -draw 'line 28,32 38,32' "PNG32:$s/auswaehlen.png"
neu -fill '#1565c0' -draw 'circle 15,14 15,6' -draw 'roundrectangle 3,24 27,44 8,8' \
    -fill '#c62828' -draw 'circle 33,14 33,6' -draw 'roundrectangle 21,24 45,44 8,8' "PNG32:$s/gruppen.png"
neu -fill white -stroke '#37474f' -strokewidth 2 -draw 'rectangle 4,6 44,42' \
    -draw 'line 4,18 44,18' -draw 'line 4,30 44,30' -draw 'line 17,6 17,42' -draw 'line 31,6 31,42' \
    -fill '#1565c0' -stroke none -draw 'rectangle 5,7 16,17' \
    -fill '#c62828' -draw 'rectangle 18,7 30,17' "PNG32:$s/turnierplan.png"
neu -fill '#b0bec5' -draw 'rectangle 3,24 16,44' -fill '#f9a825' -draw 'rectangle 17,12 31,44' \
    -fill '#bf8040' -draw 'rectangle 32,30 45,44' -fill white -draw 'circle 24,20 24,17' \
    "PNG32:$s/tabelle.png"
neu -fill '#546e7a' -draw 'circle 24,24 24,6' -fill '#cfd8dc' -draw 'circle 24,24 24,16' \
    -fill '#546e7a' -draw 'rectangle 21,2 27,10' -draw 'rectangle 21,38 27,46' \
    -draw 'rectangle 2,21 10,27' -draw 'rectangle 38,21 46,27' "PNG32:$s/einstellungen.png"
neu -fill '#1565c0' -draw 'roundrectangle 6,6 42,42 4,4' -fill white -draw 'rectangle 13,6 35,18' \
    -fill '#90caf9' -draw 'rectangle 12,26 36,42' -fill '#1565c0' -draw 'rectangle 28,8 32,16' "PNG32:$s/backup.png"
neu -fill '#d7b98e' -draw 'ellipse 24,24 21,18 0,360' -fill '#c62828' -draw 'circle 14,18 14,13' \
    -fill '#2e7d32' -draw 'circle 26,13 26,8' -fill '#1565c0' -draw 'circle 36,20 36,15' \
    -fill '#f9a825' -draw 'circle 33,32 33,27' -fill white -draw 'circle 16,32 16,28' "PNG32:$s/farben.png"
neu -fill '#eceff1' -stroke '#455a64' -strokewidth 2 -draw 'rectangle 10,4 38,44' \
    -fill '#8d6e63' -draw 'polygon 10,4 28,10 28,48 10,44' -fill '#f9a825' -stroke none \
    -draw 'circle 24,27 24,25' "PNG32:$s/beenden.png"

# The start picture: a table-football pitch with the rods of both teams. A palette picture: it
# decodes about ten times faster than a 32-bit one, and the start page shows it at once.
b=bilder/startbild.png
convert -size 480x300 xc:none -fill '#5d4037' -draw 'roundrectangle 0,0 479,299 18,18' \
    -fill '#2e7d32' -draw 'rectangle 20,20 459,279' -fill none -stroke white -strokewidth 3 \
    -draw 'rectangle 24,24 455,275' -draw 'line 240,24 240,275' -draw 'circle 240,150 240,195' \
    -draw 'rectangle 24,100 54,200' -draw 'rectangle 425,100 455,200' \
    -stroke '#bdbdbd' -strokewidth 4 \
    -draw 'line 70,10 70,290' -draw 'line 130,10 130,290' -draw 'line 190,10 190,290' \
    -draw 'line 290,10 290,290' -draw 'line 350,10 350,290' -draw 'line 410,10 410,290' \
    -stroke none -fill '#1565c0' \
    -draw 'roundrectangle 63,140 77,160 4,4' \
    -draw 'roundrectangle 183,60 197,80 4,4' -draw 'roundrectangle 183,140 197,160 4,4' -draw 'roundrectangle 183,220 197,240 4,4' \
    -draw 'roundrectangle 343,90 357,110 4,4' -draw 'roundrectangle 343,190 357,210 4,4' \
    -fill '#c62828' \
    -draw 'roundrectangle 403,140 417,160 4,4' \
    -draw 'roundrectangle 283,60 297,80 4,4' -draw 'roundrectangle 283,140 297,160 4,4' -draw 'roundrectangle 283,220 297,240 4,4' \
    -draw 'roundrectangle 123,90 137,110 4,4' -draw 'roundrectangle 123,190 137,210 4,4' \
    -fill white -draw 'circle 228,128 228,120' "PNG8:$b"

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
