#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")"
./werkzeuge/pakete.sh
sekunden=${1:-60}
bau=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORLIX_FUZZ=ON >/dev/null
cmake --build "$bau" -j "$(nproc)" --target alle_fuzzziele
for ziel in $(find "$bau/fuzz" -name "fuzz_*" -type f -executable | sort); do
    [[ -x "$ziel" ]] || continue
    korpus="$bau/korpus/$(basename "$ziel")"
    mkdir -p "$korpus"
    echo "== $(basename "$ziel") für $sekunden s"
    # Seed inputs kept beside a target's sources start the search from valid files.
    saat=$(dirname "$(grep -rl --include=CMakeLists.txt "vorlix_fuzz($(basename "$ziel")" fuzz)")/korpus
    [[ -d "$saat" ]] || saat=
    "$ziel" -max_total_time="$sekunden" -len_control=0 -rss_limit_mb=2048 "$korpus" $saat
done
