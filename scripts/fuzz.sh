#!/usr/bin/env bash
# Fuzzes the harnesses of fuzz/ with libFuzzer, built with Clang and the address and undefined
# behaviour sanitizers in a build folder of their own (build/fuzz).
#
#   scripts/fuzz.sh NAME SECONDS [LIBFUZZER-OPTION...]
#
# NAME is design, property-bag, oeminfo, reg-args, hive, picture, or all (each in turn, SECONDS
# each).
# New inputs gather in build/fuzz/corpus/NAME; the seeds in fuzz/corpus/NAME are only read. A
# finding (crash, failed check, leak, time-out) is saved in build/fuzz/findings/NAME/ and the
# script exits 1: fix it, then copy the input into fuzz/corpus/NAME, where scripts/test.sh
# replays it from then on.
set -uo pipefail
cd "$(dirname "$0")/.."

all=(design property-bag oeminfo reg-args hive picture)
if [ $# -lt 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh design|property-bag|oeminfo|reg-args|hive|picture|all SECONDS [LIBFUZZER-OPTION...]" >&2
  exit 2
fi
if [ "$1" = all ]; then
  names=("${all[@]}")
elif [[ " ${all[*]} " == *" $1 "* ]]; then
  names=("$1")
else
  echo "fuzz.sh: no harness named $1 (${all[*]})" >&2
  exit 2
fi
seconds=$2
shift 2

bash scripts/deps.sh || exit 1
# Only fuzzing needs Clang and its libFuzzer runtime (a package Clang only recommends), so the
# tests' packages leave them out.
installed=$(dpkg-query -W -f='${Status}\n' clang libclang-rt-dev 2>/dev/null | grep -c 'install ok installed')
if [ "$installed" -ne 2 ]; then
  echo "Installing: clang libclang-rt-dev"
  export DEBIAN_FRONTEND=noninteractive
  { apt-get update && apt-get install -y --no-install-recommends clang libclang-rt-dev; } || exit 1
fi

dir=build/fuzz
mkdir -p build
if ! cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELMORA_FUZZ=ON -DPELMORA_BENCHMARKS=OFF > "$dir.configure.log" 2>&1; then
  cat "$dir.configure.log"; exit 1
fi
cmake --build "$dir" -j "$(nproc)" --target "${names[@]/#/pelmora_fuzz_}" || exit 1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
status=0
for name in "${names[@]}"; do
  mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
  log=$dir/$name.log
  before=$(find "$dir/findings/$name" -type f | wc -l)
  echo "=== $name: fuzzing for $seconds s (log: $log)"
  "$dir/bin/pelmora_fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$dir/findings/$name/" "$@" "$dir/corpus/$name" "fuzz/corpus/$name" > "$log" 2>&1
  result=$?
  runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log" | tail -n 1)
  found=$(($(find "$dir/findings/$name" -type f | wc -l) - before))
  echo "$name: ${runs:-?} runs, corpus $(find "$dir/corpus/$name" -type f | wc -l) inputs, $found new findings in $dir/findings/$name"
  if [ "$result" -ne 0 ]; then
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*fuzz check failed|.*runtime error)' "$log" | head -n 5
    status=1
  fi
done
exit $status
