#!/usr/bin/env bash
# Cross-compiles the Windows programs with MinGW-w64 on Debian and packs them, in
# build/win64-release: pelmora-<version>-win64.zip (the programs with their text) and
# pelmora-<version>-win64.msi (the Windows Installer package, built with wixl), both of the
# project's version.
#
# Signing: when PELMORA_SIGN_PKCS12 names a PKCS#12 file (.pfx/.p12) with a code-signing
# certificate and its private key, and PELMORA_SIGN_PASSWORD holds its password, both programs
# (in the ZIP and in the package) and the package itself are Authenticode-signed with
# osslsigncode. PELMORA_SIGN_TIMESTAMP may name an RFC 3161 time-stamping service, so the
# signatures outlive the certificate. Without a certificate everything is built unsigned.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
dir=build/win64-release
# The package needs only the two programs: the tests are left unbuilt.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target pelmora pelmora-cli
# The programs are signed inside the ZIP's staging folder, after stripping (cmake/PelmoraSign.cmake).
(cd "$dir" && cpack -G ZIP)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
zip=$PWD/$dir/pelmora-$version-win64.zip
msi=$PWD/$dir/pelmora-$version-win64.msi

# The package holds the very programs of the ZIP.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
icon=$(sed -n 's/^PELMORA_WINDOWS_ICON:FILEPATH=//p' "$dir/CMakeCache.txt")
bash scripts/build-msi.sh "$unpacked/pelmora-$version-win64" "${icon:-$dir/icons/pelmora.ico}" "$version" "$msi" > /dev/null
bash scripts/sign-windows.sh "$msi"
ls "$zip" "$msi"
