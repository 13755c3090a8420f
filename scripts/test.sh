#!/usr/bin/env bash
# Builds and runs every test: the native build and its install tree and Debian package, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build cross-compiled
# with MinGW-w64 under Wine (the core, the windows, the console tool), its ZIP package and its
# deployment (the MSI, the feature-update custom action, signing).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh || exit 1

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt's offscreen platform keeps a few process-lifetime allocations; they are not ours.
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp
jobs=$(nproc)

passed=0
failed=0
status=0

# run_suite NAME BUILD_DIR CMAKE_ARGS...; $SUITE_WRAPPER, when set, runs the suite's ctest.
run_suite() {
  local name=$1 dir=$2
  shift 2
  echo "=== $name"
  if ! cmake -S "$root" -B "$dir" -G Ninja "$@" > "$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"; echo "$name: configure failed"; status=1; return
  fi
  if ! cmake --build "$dir" -j "$jobs"; then
    echo "$name: build failed"; status=1; return
  fi
  local log="$dir.ctest.log"
  (cd "$dir" && ${SUITE_WRAPPER:-} ctest --output-on-failure -j "$jobs" --timeout 300) 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "$name: no test ran"; status=1; return
  fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<< "$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<< "$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

# run_checks NAME BUILD_DIR COMMAND...: a check script whose last line is "NAME: N passed, M failed".
run_checks() {
  local name=$1 log=$2.${1// /-}.log line
  shift 2
  echo "=== $name"
  "$@" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  line=$(grep -E "^$name: [0-9]+ passed, [0-9]+ failed\$" "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "$name: no check ran"; status=1; failed=$((failed + 1)); return
  fi
  passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<< "$line")))
  failed=$((failed + $(sed -E 's/.*, ([0-9]+) failed.*/\1/' <<< "$line")))
}

# run_packaging BUILD_DIR: the install tree and the Debian package made from a built folder.
run_packaging() {
  echo "=== packaging"
  local log=$1.packaging.log line
  bash scripts/check-package.sh "$1" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  line=$(grep -E '^packaging: [0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "packaging: no check ran"; status=1; failed=$((failed + 1)); return
  fi
  passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<< "$line")))
  failed=$((failed + $(sed -E 's/.*, ([0-9]+) failed.*/\1/' <<< "$line")))
}

# run_windows_package BUILD_DIR: the ZIP made from the Windows build holds both programs and the
# text on running them, and the unpacked console tool runs on its own under Wine.
run_windows_package() {
  echo "=== windows package"
  local dir=$root/$1 ok=0 bad=0 zip listing unpacked version
  if ! (cd "$dir" && cpack -G ZIP > cpack.log 2>&1); then
    cat "$dir/cpack.log"; echo "windows package: cpack failed"; failed=$((failed + 1)); status=1; return
  fi
  zip=$(ls "$dir"/pelmora-*-win64.zip)
  listing=$(cmake -E tar tf "$zip")
  for file in pelmora.exe pelmora-cli.exe README-Windows.txt; do
    if grep -Eqx "pelmora-[0-9.]+-win64/$file" <<< "$listing"; then ok=$((ok + 1)); else echo "FAILED: $file is not in $zip"; bad=$((bad + 1)); fi
  done
  unpacked=$(mktemp -d)
  (cd "$unpacked" && cmake -E tar xf "$zip")
  version=$(WINEPREFIX=$dir/wineprefix-cli "$root/scripts/wine-run" "$unpacked"/pelmora-*-win64/pelmora-cli.exe --version 2>&1)
  if [[ "$version" == "pelmora-cli "* ]]; then ok=$((ok + 1)); else echo "FAILED: the unpacked pelmora-cli.exe said: $version"; bad=$((bad + 1)); fi
  rm -rf "$unpacked"
  echo "windows package: $ok passed, $bad failed"
  passed=$((passed + ok))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || status=1
}

mkdir -p build
run_suite native build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_packaging build/native
run_suite sanitizers build/sanitizers -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON -DPELMORA_BENCHMARKS=OFF
# The Windows programs' windows and console need a display: a virtual one (CI has none).
SUITE_WRAPPER=$root/scripts/wine-display PELMORA_WINE_BUILD_DIR=$root/build/win64 run_suite windows build/win64 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
PELMORA_WINE_BUILD_DIR=$root/build/win64 run_windows_package build/win64
PELMORA_WINE_BUILD_DIR=$root/build/win64 run_checks "windows deploy" build/win64 \
  "$root/scripts/wine-display" bash scripts/check-windows-deploy.sh build/win64

echo
echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit $status
