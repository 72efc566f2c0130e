#!/usr/bin/env bash
# Runs the libFuzzer targets of fuzz/, built with Clang 14 in build/fuzz (or
# in the build FUZZ_BUILD names: scripts/test.sh uses its asan build).
#   scripts/fuzz.sh [seconds] [target...]   fuzz each target for `seconds`
#                                           (default 300); new inputs go to
#                                           build/fuzz-corpus/<target>, crashes
#                                           to build/fuzz-artifacts/
#   scripts/fuzz.sh --regress <target>      the committed corpus once, then a
#                                           fixed number of inputs from a fixed
#                                           seed (what scripts/test.sh runs)
#   scripts/fuzz.sh --list                  the target names
# An input that breaks an invariant is minimised with
#   build/fuzz/fuzz/<target> -minimize_crash=1 -runs=10000 <crash file>
# and belongs in fuzz/corpus/<target>/ once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(arith_fuzz words_fuzz format_fuzz engine_fuzz)
max_len=600
dir=${FUZZ_BUILD:-build/fuzz}
regress_runs=2000

if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi

build() {
  [ -f "$dir/build.ninja" ] || {
    launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
      -DCMAKE_CXX_COMPILER=clang++-14 -DMEGATALLY_FUZZ=ON -DMEGATALLY_GUI=OFF -DMEGATALLY_TESTS=OFF \
      -DMEGATALLY_BENCHMARKS=OFF -DMEGATALLY_WERROR=ON "${launcher[@]}" >/dev/null
  }
  cmake --build "$dir" --target "${targets[@]}"
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ "${1:-}" = "--regress" ]; then
  target=$2
  exe=$dir/fuzz/$target
  [ -x "$exe" ] || build
  # Every committed input once, then fresh inputs; nothing is written back
  # (a failing input is kept under build/fuzz-artifacts, not in the tree).
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p build/fuzz-artifacts
  "$exe" -max_len=$max_len -artifact_prefix="build/fuzz-artifacts/$target-" fuzz/corpus/"$target"/*
  "$exe" -max_len=$max_len -seed=1 -runs=$regress_runs -artifact_prefix="build/fuzz-artifacts/$target-" \
    "$work" fuzz/corpus/"$target"
  exit 0
fi

seconds=300
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then seconds=$1; shift; fi
[ $# -gt 0 ] && targets=("$@")
build
mkdir -p build/fuzz-artifacts
status=0
for target in "${targets[@]}"; do
  corpus=build/fuzz-corpus/$target
  mkdir -p "$corpus"
  echo "=== $target: $seconds s ==="
  if ! "$dir/fuzz/$target" -max_len=$max_len -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="build/fuzz-artifacts/$target-" "$corpus" fuzz/corpus/"$target" 2>"build/fuzz-$target.log"; then
    status=1
    tail -40 "build/fuzz-$target.log"
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "build/fuzz-$target.log" || true
done
exit $status
