#!/usr/bin/env bash
# Builds the Debian package in a Release folder: build/release/pelmora_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
# Debian's own compiler and linker hardening, as a package built by its tools would have it.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The package needs only the programs and their data: the tests are left unbuilt.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELMORA_BENCHMARKS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" > /dev/null
cmake --build build/release -j "${JOBS:-2}" --target pelmora pelmora-cli pelmora-sysprops pelmora_data
(cd build/release && cpack -G DEB)
ls "$PWD"/build/release/pelmora_*.deb
