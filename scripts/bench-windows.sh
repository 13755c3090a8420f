#!/usr/bin/env bash
# The native Windows program's start-up benchmark under Wine, on a virtual display unless one is
# set, in a Wine prefix of its own: bash scripts/bench-windows.sh [runs]. Builds it first in the
# Release folder of scripts/build-windows.sh, so the programs measured are the ones packed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
dir=build/win64-release
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target benchmarks
export PELMORA_WINE_BUILD_DIR=$root/$dir WINEPREFIX=$root/$dir/wineprefix-bench
exec scripts/wine-display scripts/wine-run "$dir/bin/pelmora_bench_startup_win32.exe" "$@"
