#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELMORA_BENCHMARKS=OFF > /dev/null
cmake --build build/release --target pelmora pelmora-cli pelmora-sysprops
exec build/release/bin/pelmora "$@"
