#!/usr/bin/env bash
# Starts the real program on a virtual X server, waits for its main window, grabs a picture
# of the screen, checks it and the new options file, and ends the program.
set -euo pipefail
programm=$1
bild=$2
if [[ -z ${RAUCHTEST_IM_XVFB:-} ]]; then
    export RAUCHTEST_IM_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

daten=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$daten"' EXIT
# The build puts the help file beside the program, so no message may greet a new user.
export VORLIX_DATEN=$daten QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0

"$programm" & pid=$!
for _ in $(seq 1 240); do
    xwininfo -root -tree 2>/dev/null | grep -q 'Vorlix Turnier-Quarel 2   V 1.15' && break
    kill -0 "$pid" || { echo "Programm endete vorzeitig"; exit 1; }
    sleep 0.25
done
xwininfo -root -tree | grep 'Vorlix Turnier-Quarel 2   V 1.15' || { echo "Kein Hauptfenster"; exit 1; }
sleep 1 # let the first paint finish
import -window root "$bild"
farben=$(identify -format '%k' "$bild")
echo "Bildschirmfoto $bild mit $farben Farben"
(( farben > 50 )) || { echo "Das Bild zeigt kein gezeichnetes Fenster"; exit 1; }
groesse=$(stat -c %s "$daten/Vorlixn.opt")
[[ $groesse -eq 1224 ]] || { echo "Vorlixn.opt hat $groesse Bytes"; exit 1; }
echo "Rauchtest bestanden"
