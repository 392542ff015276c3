#!/usr/bin/env bash
# Release build of the benchmarks, then run each and print its figures.
set -euo pipefail
cd "$(dirname "$0")"
./werkzeuge/pakete.sh
bau=build/bench
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLIX_BENCH=ON >/dev/null
cmake --build "$bau" -j "$(nproc)"
for programm in "$bau"/bench/bench_*; do
    [[ -x "$programm" ]] || continue
    echo "== $(basename "$programm")"
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$programm" "$@"
done
