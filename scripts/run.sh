#!/usr/bin/env bash
# The main job: sets up a fresh Debian 12 machine (packages via apt-get), builds the programs and
# shows them at work. Today that is hartframe building the driver's request frames and decoding
# reply frames of a simulated pressure transmitter.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVANE_TESTS=OFF -DHALVANE_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target hartframe
bin=build/bin

step() { printf '\n$ %s\n' "$*"; "$@"; }

echo "== Request frames the driver sends"
step "$bin/hartframe" request 0 0
step "$bin/hartframe" request --long-address 26:05:01:02:03 --preambles 5 3 0
step "$bin/hartframe" request --long-address 26:05:01:02:03 --preambles 5 35 0 kPa 100 0

echo
echo "== Reply lines the driver publishes"
# Command 0 from a HART 5 device at polling address 0; command 3: 12 mA, 50 kPa, 21.5 degC.
step "$bin/hartframe" reply --address 0 \
    FF FF FF FF FF 06 80 00 0E 00 00 FE 26 05 05 05 01 02 03 00 01 02 03 55
step "$bin/hartframe" reply \
    FF FF FF FF FF 86 A6 05 01 02 03 03 10 00 00 41 40 00 00 0C 42 48 00 00 20 41 AC 00 00 FC
