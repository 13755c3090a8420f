#!/usr/bin/env bash
# Checks what a Linux installation gets from a built folder: installs it into a staging folder, looks
# for every file a desktop expects, runs the validators, the staged programs and the completion,
# then builds the Debian package, compares its contents with the staging folder and runs lintian.
# Usage: scripts/check-package.sh BUILD_DIR (configured and built natively; scripts/test.sh uses
# build/native). Ends with "packaging: N passed, M failed"; the status is 0 when nothing failed.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/check-package.sh BUILD_DIR}
[ -f "$build/CMakeCache.txt" ] || { echo "$build is not a configured build folder"; exit 2; }
build=$(cd "$build" && pwd)

passed=0
failed=0
check() {  # check NAME COMMAND...: runs the command, output shown only when it fails
  local name=$1 output
  shift
  if output=$("$@" 2>&1); then
    echo "ok - $name"
    passed=$((passed + 1))
  else
    echo "not ok - $name"
    [ -z "$output" ] || sed 's/^/    /' <<< "$output"
    failed=$((failed + 1))
  fi
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
libexecdir=$(sed -n 's/^CMAKE_INSTALL_LIBEXECDIR:PATH=//p' "$build/CMakeCache.txt")
app=io.github.pelmora.Pelmora
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
started=$SECONDS

if ! cmake --build "$build" -j 2 --target pelmora pelmora-cli pelmora-sysprops pelmora_data > "$work/build.log" 2>&1 ||
  ! cmake --install "$build" --prefix "$stage/usr" > "$work/install.log" 2>&1; then
  cat "$work/build.log" "$work/install.log"
  echo "packaging: 0 passed, 1 failed"
  exit 1
fi

# Every file, as the package installs it below /usr.
expected=(
  bin/pelmora bin/pelmora-cli bin/pelmora-sysprops
  "$libexecdir/pelmora/pelmora-media.so"
  "share/applications/$app.desktop"
  "share/metainfo/$app.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$app.svg"
  share/man/man1/pelmora.1.gz share/man/man1/pelmora-cli.1.gz share/man/man1/pelmora-sysprops.1.gz
  share/bash-completion/completions/pelmora-cli
  share/doc/pelmora/copyright share/doc/pelmora/changelog.gz
)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app.png")
done

missing_files() {
  local file bad=0
  for file in "${expected[@]}"; do
    [ -s "$stage/usr/$file" ] || { echo "missing: $file"; bad=1; }
  done
  return $bad
}
check "the install tree holds every file" missing_files

icon_sizes() {
  local size bad=0 description
  for size in "${sizes[@]}"; do
    description=$(file -b "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$app.png")
    [[ $description == "PNG image data, $size x $size,"* ]] || { echo "${size}x${size}: $description"; bad=1; }
  done
  return $bad
}
check "each PNG icon has its folder's size" icon_sizes

manual_pages() {
  local page
  for page in pelmora pelmora-cli pelmora-sysprops; do
    gzip -dc "$stage/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH \"$page\" \"1\"" || { echo "$page.1: no title"; return 1; }
  done
}
check "the manual pages are gzipped roff" manual_pages
# Its hints too (a second main category lists the program twice in some menus): nothing said.
desktop_entry() {
  local said
  said=$(desktop-file-validate "$stage/usr/share/applications/$app.desktop" 2>&1) && [ -z "$said" ] || { echo "$said"; return 1; }
}
check "desktop-file-validate says nothing" desktop_entry
check "appstreamcli validate" appstreamcli validate --no-net "$stage/usr/share/metainfo/$app.metainfo.xml"
check "appstreamcli validate-tree (metainfo, desktop entry and icon together)" appstreamcli validate-tree --no-net "$stage"
check "the metainfo's release is $version" grep -q "<release version=\"$version\"" "$stage/usr/share/metainfo/$app.metainfo.xml"

# The staged programs, with a store and a Windows directory of their own and no display.
staged() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" PELMORA_REGISTRY="$work/store.sqlite3" \
    PELMORA_WINDOWS_DIR="$work/Windows" "$stage/usr/bin/$@"
}
prints() {  # prints EXPECTED COMMAND...
  local expected=$1 actual
  shift
  actual=$("$@") || return
  [ "$actual" = "$expected" ] || { echo "printed: $actual"; return 1; }
}
check "staged pelmora-cli --version" prints "pelmora-cli $version" staged pelmora-cli --version
check "staged pelmora --version without a display" prints "pelmora $version" staged pelmora --version
check "staged pelmora-sysprops --version without a display" prints "pelmora-sysprops $version" staged pelmora-sysprops --version

# The console tool's commands that show no picture start without Qt; a picture command finds the
# module that brings it in the installed folders.
without_qt() {
  local loaded
  loaded=$(LD_DEBUG=libs staged pelmora-cli show 2>&1 >/dev/null | grep -o 'lib[A-Za-z0-9]*\(Qt\|dbus\)[^ ]*\.so[.0-9]*' | sort -u)
  [ -z "$loaded" ] || { echo "loaded: $loaded"; return 1; }
}
check "staged pelmora-cli show loads no Qt and no D-Bus" without_qt
staged_logo() {
  # A 1 x 1 BMP, one blue pixel.
  printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0\xff\0\0\0' > "$work/blue.bmp"
  mkdir -p "$work/Windows/System"
  staged pelmora-cli apply-logo "$work/blue.bmp" > /dev/null && [ -s "$work/Windows/System/oemlogo.bmp" ]
}
check "staged pelmora-cli apply-logo loads its picture module" staged_logo

completes() {  # completes EXPECTED WORD...: what Tab offers after the words
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _pelmora_cli; echo "${COMPREPLY[*]}"' \
    completion "$stage/usr/share/bash-completion/completions/pelmora-cli" "${@:2}" | {
    read -r offered
    [ "$offered" = "$1" ] || { echo "after '${*:2}': $offered"; return 1; }
  }
}
check "completion: commands" completes "apply-oem apply-support apply-windows apply-logo apply-profile" pelmora-cli ap
check "completion: export commands" completes "export-unattend export-reg export-profile" pelmora-cli ex
check "completion: check-profile" completes "check-profile" pelmora-cli ch
check "completion: apply-profile's option" completes "--dry-run" pelmora-cli apply-profile --d
check "completion: show's option" completes "--json" pelmora-cli show -
check "completion: restore-factory" completes "restore-factory" pelmora-cli res
check "completion: keep-after-updates' option" completes "--remove" pelmora-cli keep-after-updates --r
check "completion: reg subcommands" completes "query add delete" pelmora-cli reg ""
check "completion: key roots" completes 'HKEY_LOCAL_MACHINE\ HKEY_CURRENT_USER\' pelmora-cli reg add hkey
check "completion: add's switches" completes "/v /ve /t /d /f" pelmora-cli reg add 'HKCU\x' ""
check "completion: the Windows directory option" completes "--windows-dir" pelmora-cli --w
check "completion: commands after --windows-dir" completes "apply-oem apply-support apply-windows apply-logo apply-profile" pelmora-cli --windows-dir /mnt ap
check "completion: reg after --windows-dir=" completes "query add delete" pelmora-cli --windows-dir = /mnt reg ""

# The package, made from the same build folder.
if (cd "$build" && cpack -G DEB -B "$work/package") > "$work/cpack.log" 2>&1; then
  echo "ok - cpack -G DEB"
  passed=$((passed + 1))
else
  echo "not ok - cpack -G DEB"
  sed 's/^/    /' "$work/cpack.log"
  failed=$((failed + 1))
fi
deb=$work/package/pelmora_${version}_$(dpkg --print-architecture).deb

package_contents() {
  local listed file bad=0
  listed=$(dpkg-deb -c "$deb") || return
  for file in "${expected[@]}"; do
    grep -q " \./usr/$file\$" <<< "$listed" || { echo "not in the package: /usr/$file"; bad=1; }
  done
  return $bad
}
check "the package holds every file" package_contents

package_fields() {
  local depends
  depends=$(dpkg-deb -f "$deb" Depends) || return
  grep -q libqt6widgets6 <<< "$depends" || { echo "Depends: $depends"; return 1; }
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "Version: $(dpkg-deb -f "$deb" Version)"; return 1; }
  [ "$(dpkg-deb -f "$deb" Recommends)" = bash-completion ] || { echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"; return 1; }
}
check "the package's dependencies come from its libraries" package_fields

lintian_output=$(lintian --fail-on error --display-info "$deb" 2>&1)
lintian_status=$?
check "lintian finds no error" test "$lintian_status" -eq 0
# Its tags, shown even when the check passes; not its note that it runs as root (the build machines' only user).
grep -v 'running with root privileges' <<< "$lintian_output" | sed '/^$/d; s/^/    lintian: /'

echo "packaging took $((SECONDS - started)) s"
echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
