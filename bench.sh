#!/usr/bin/env bash
# Release build of the benchmarks, then run each on a virtual X server and print its figures
# (bench_start measures both the offscreen platform and the X server in the same run). Ends
# non-zero when a benchmark could not measure its program or its baseline.
set -euo pipefail
cd "$(dirname "$0")"
./werkzeuge/pakete.sh
bau=build/bench
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLIX_BENCH=ON >/dev/null
cmake --build "$bau" -j "$(nproc)"
programme=$(find "$bau/bench" -name 'bench_*' -type f -executable ! -name bench_leeres_fenster ! -name bench_gleicher_inhalt | sort)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# A benchmark whose run or baseline fails ends non-zero; the others still run, and the script
# ends non-zero naming each failed one.
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    fehlgeschlagen=()
    for programm in "$@"; do
        echo "== $(basename "$programm")"
        "$programm" || fehlgeschlagen+=("$(basename "$programm")")
    done
    if ((${#fehlgeschlagen[@]})); then
        echo "FEHLGESCHLAGEN: ${fehlgeschlagen[*]}" >&2
        exit 1
    fi' _ $programme
