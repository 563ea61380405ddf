#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (packages via apt-get), checks formatting, builds everything
# with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test suite, then builds the
# fuzz targets with clang and runs each for a short time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh

jobs=$(nproc)
cmake -S . -B build-ci -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1
cmake --build build-ci -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-ci -j"$jobs" --output-on-failure --timeout 300

if [ -f fuzz/CMakeLists.txt ] && [ -x scripts/fuzz.sh ]; then
    bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
fi
echo "All tests passed."
