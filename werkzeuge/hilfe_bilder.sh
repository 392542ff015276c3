#!/usr/bin/env bash
# Takes the pictures of the help pages from the real windows on a virtual X server and keeps them
# in hilfe/bilder/. Windows that are not built yet are skipped. Usage: hilfe_bilder.sh [build folder]
set -euo pipefail
wurzel=$(cd "$(dirname "$0")/.." && pwd)
bau=${1:-$wurzel/build/test}
cmake --build "$bau" --target hilfe_bilder
export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" "$bau/werkzeuge/hilfe_bilder" "$wurzel/hilfe/bilder"
# Fewer colours keep the pictures small; the help file carries them all.
for bild in "$wurzel"/hilfe/bilder/*.png; do
    convert "$bild" -strip -colors 128 "PNG8:$bild"
done
