#!/usr/bin/env bash
# Runs a test program on a virtual X server with a window manager and the real X platform:
# message boxes, focus and key presses as on an organiser's screen, with a second monitor for
# the audience view beside the laptop's. Argument: the program.
set -euo pipefail
if [[ -z ${IM_XVFB:-} ]]; then
    export IM_XVFB=1
    exec xvfb-run -a -s "-screen 0 2646x768x24 -noreset" "$0" "$@"
fi
xrandr --setmonitor laptop 1366/344x768/194+0+0 screen >/dev/null
xrandr --setmonitor halle 1280/338x768/203+1366+0 none >/dev/null
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
for _ in $(seq 1 80); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
export QT_QPA_PLATFORM=xcb
# The X libraries keep what they allocate until the end, and the keyboard library reads its
# strings past their end within the block: neither is a fault of ours.
export ASAN_OPTIONS=detect_leaks=0:strict_string_checks=0:detect_stack_use_after_return=1
"$@"
