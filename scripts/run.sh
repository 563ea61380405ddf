#!/usr/bin/env bash
# The main job: sets up a fresh Debian 12 machine (packages via apt-get), builds the programs and
# shows what they do. Grows with the project: see the README.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
echo "Built the protocol core and the platform layer; the programs follow."
