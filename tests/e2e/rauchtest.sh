#!/usr/bin/env bash
# Starts the real program on a virtual X server with a window manager, waits for its main window,
# checks that the window with its frame and title bar fits the screen (so the status bar is
# visible), grabs a picture of the screen, checks it and the new options file, and ends the
# program. Arguments: program, picture file, screen size (e.g. 1024x768).
set -euo pipefail
programm=$1
bild=$2
schirm=${3:-1280x1024}
if [[ -z ${RAUCHTEST_IM_XVFB:-} ]]; then
    export RAUCHTEST_IM_XVFB=1
    # -noreset: a server that resets whenever its last client leaves drops a client connecting
    # at that moment.
    exec xvfb-run -a -s "-screen 0 ${schirm}x24 -noreset" "$0" "$@"
fi
breite=${schirm%x*}
hoehe=${schirm#*x}

daten=$(mktemp -d)
pid= wm=
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$daten"' EXIT
# The build puts the help file beside the program, so no message may greet a new user.
export VORLIX_DATEN=$daten QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0

titel='Vorlix Turnier-Quarel 2   V 1.15'
"$programm" & pid=$!
fenster=
for _ in $(seq 1 240); do
    fenster=$(xwininfo -root -tree 2>/dev/null | grep "$titel" | awk '{print $1}' | head -1 || true)
    [[ -n $fenster ]] && xwininfo -id "$fenster" | grep -q IsViewable && break
    kill -0 "$pid" || { echo "Programm endete vorzeitig"; exit 1; }
    sleep 0.25
done
[[ -n $fenster ]] || { echo "Kein Hauptfenster"; exit 1; }

# The window manager starts after the window is shown: it takes over the mapped window when it
# starts (a manager starting beside a newly mapped window may miss it), and the program must fit
# the frame it learns of only then.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!

# The window manager reports the frame once the window is mapped; the program then fits it in.
passt=0
for _ in $(seq 1 40); do
    info=$(xwininfo -id "$fenster")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    rahmen=$(xprop -id "$fenster" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r links rechts oben unten <<<"${rahmen:-0,0,0,0}"
    if ((oben > 0 && x - links >= 0 && y - oben >= 0 && x + w + rechts <= breite &&
        y + h + unten <= hoehe)); then
        passt=1
        break
    fi
    sleep 0.25
done
echo "Hauptfenster ${w}x${h}+${x}+${y}, Rahmen links $links rechts $rechts oben $oben unten $unten"
if ((!passt)); then
    kill -0 "$wm" 2>/dev/null || echo "Der Fenstermanager lief nicht mehr"
    echo "Das Fenster mit Rahmen passt nicht auf den Schirm ${schirm}"
    exit 1
fi

sleep 1 # let the first paint finish
import -window root "$bild"
farben=$(identify -format '%k' "$bild")
echo "Bildschirmfoto $bild mit $farben Farben"
((farben > 50)) || { echo "Das Bild zeigt kein gezeichnetes Fenster"; exit 1; }
groesse=$(stat -c %s "$daten/Vorlixn.opt")
[[ $groesse -eq 1224 ]] || { echo "Vorlixn.opt hat $groesse Bytes"; exit 1; }
echo "Rauchtest bestanden"
