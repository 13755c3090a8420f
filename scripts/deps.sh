#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only when some are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libsqlite3-dev libhivex-dev
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64 wine wine64 fonts-wine
  msitools wixl osslsigncode openssl
  xvfb xauth
  ntfs-3g attr libwim-dev wimtools fuse3
  librsvg2-bin icoutils scdoc desktop-file-utils appstream dpkg-dev lintian file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
