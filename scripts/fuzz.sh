#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for the given number of
# seconds (default 30), starting from the seed corpus in fuzz/corpus/<target>. A finding stops
# the script with the crashing input saved under build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DHALVANE_FUZZ=ON -DHALVANE_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

mkdir -p build-fuzz/findings
for fuzzer in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$fuzzer")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "== $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/"$name"- "$corpus" 2>&1 | tail -n 12
done
