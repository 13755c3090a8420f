#!/usr/bin/env bash
# Cross-compiles the Windows programs with MinGW-w64 on Debian and packs them with their text:
# build/win64-release/pelmora-<version>-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
dir=build/win64-release
# The package needs only the two programs: the tests are left unbuilt.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DPELMORA_CORE_ONLY=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target pelmora pelmora-cli
(cd "$dir" && cpack -G ZIP)
ls "$PWD/$dir"/pelmora-*-win64.zip
