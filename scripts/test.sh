#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every check:
#   format   clang-format over the tracked C++ files (scripts/format.sh --check)
#   gcc      GCC, a warning-clean (-Werror) Release build, every test, each
#            test case in a process of its own
#   asan     Clang 14, warning-clean, AddressSanitizer and
#            UndefinedBehaviorSanitizer, every test, each test program in one
#            process; the same build holds the libFuzzer targets of fuzz/
#   tsan     Clang 14, ThreadSanitizer: only the programs that hold the code
#            on two threads (the worker, cancellation, the window and the
#            number view) are built, and their threaded tests run
#   fuzz     the fuzz targets of the asan build over their committed corpus
#            and a fixed number of further inputs from a fixed seed
# and ends with one line: passed and failed per build and in total.
#
#   scripts/test.sh              all of them
#   scripts/test.sh --quick      format and gcc only
#
# Nothing here depends on the clock: a test that hangs is stopped by
# ctest's timeout and counted as failed.
set -uo pipefail
cd "$(dirname "$0")/.."

quick=0
[ "${1:-}" = "--quick" ] && quick=1

scripts/deps.sh test || exit 1
jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p build
start_all=$SECONDS
summary=()
total_pass=0
total_fail=0

# cpu: sets cpu_now to the processor seconds (user + system) the finished
# child processes of this script have used so far, a load-independent
# measure of each step. `times` runs in this shell, not in a subshell, which
# would count only its own children.
cpu_file=$(mktemp)
trap 'rm -f "$cpu_file"' EXIT
cpu() {
  times >"$cpu_file"
  cpu_now=$(tail -1 "$cpu_file" | awk '{ t = 0; for (i = 1; i <= 2; i++) { split($i, a, /[ms]/); t += a[1] * 60 + a[2] } printf "%d", t }')
}
cpu0=0

# record <name> <passed> <failed> <seconds>: also the CPU time since cpu0.
record() {
  cpu
  summary+=("$1: $2 passed, $3 failed ($4 s, $((cpu_now - cpu0)) s CPU)")
  cpu0=$cpu_now
  total_pass=$((total_pass + $2))
  total_fail=$((total_fail + $3))
}

# configure_and_build <dir> <cmake args...> [-- <targets...>]
configure_and_build() {
  local dir=$1; shift
  local args=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do args+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift && targets=("$@")
  cmake -S . -B "$dir" -G Ninja -DMEGATALLY_WERROR=ON "${launcher[@]}" "${args[@]}" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j "$jobs" --target "${targets[@]}"
  else
    cmake --build "$dir" -j "$jobs"
  fi
}

# suite <name> <dir> <ctest args...>: runs ctest and records its counts.
# A build configured with MEGATALLY_TEST_PER_PROGRAM has one ctest entry per
# test program; its cases are then counted from the reports GoogleTest
# writes (GTEST_OUTPUT), and a program that ends without one (a crash, a
# timeout) counts as one more failure.
suite() {
  local name=$1 dir=$2; shift 2
  local log="$dir.ctest.log" reports="$PWD/$dir/gtest" per_program=0 output=()
  grep -q '^MEGATALLY_TEST_PER_PROGRAM:BOOL=ON' "$dir/CMakeCache.txt" && per_program=1
  rm -rf "$reports"
  [ $per_program -eq 1 ] && output=(GTEST_OUTPUT="xml:$reports/")
  env "${output[@]}" ctest --test-dir "$dir" --output-on-failure -j "$((jobs + 1))" --timeout 300 "$@" >"$log" 2>&1
  local line total failed
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  if [ -z "$line" ]; then
    cat "$log"
    total=1 failed=1
  elif [ "$failed" != 0 ]; then
    grep -E '\*\*\*|Failed|Timeout|FAILED' "$log" | tail -40
    echo "(the whole output: $log)"
  fi
  echo "$line"
  if [ $per_program -eq 1 ] && [ -n "$line" ]; then
    # <testsuites tests="70" failures="0" disabled="0" errors="0" ...>
    local cases=0 broken=0 failing=0 report head n f e
    for report in "$reports"/*.xml; do
      [ -e "$report" ] || continue
      head=$(grep -m1 '<testsuites ' "$report")
      n=$(sed -E 's/.* tests="([0-9]+)".*/\1/' <<<"$head")
      f=$(sed -E 's/.* failures="([0-9]+)".*/\1/' <<<"$head")
      e=$(sed -E 's/.* errors="([0-9]+)".*/\1/' <<<"$head")
      cases=$((cases + n))
      broken=$((broken + f + e))
      [ $((f + e)) -gt 0 ] && failing=$((failing + 1))
    done
    # A failed program with no failure in its report stopped before writing
    # it: one failure more.
    local crashed=$((failed > failing ? failed - failing : 0))
    echo "$name: $total programs, $((cases + crashed)) test cases, $((broken + crashed)) failed"
    total=$((cases + crashed)) failed=$((broken + crashed))
  fi
  record "$name" $((total - failed)) "$failed" $((SECONDS - t0))
}

# build_failed <name>: a build that did not finish counts as one failure.
build_failed() { echo "=== $1: the build failed ==="; record "$1" 0 1 $((SECONDS - t0)); }

echo "=== format ==="
cpu
cpu0=$cpu_now
t0=$SECONDS
if scripts/format.sh --check; then record format 1 0 $((SECONDS - t0)); else record format 0 1 $((SECONDS - t0)); fi

echo "=== gcc: -Werror, Release, every test ==="
t0=$SECONDS
# One ctest entry per test case here: every case in a process of its own.
if configure_and_build build/test -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DMEGATALLY_BENCHMARKS=OFF \
    -DMEGATALLY_TEST_PER_PROGRAM=OFF; then
  suite gcc build/test
else
  build_failed gcc
fi

if [ $quick -eq 0 ]; then
  # sanitized <name> <title> <variable=value lines> <ctest args> <cmake
  # args...> [-- <targets...>]: a Clang 14 build at -O1 (test sources at
  # -O0) that runs the test programs the ctest arguments select, each in one
  # process, with the sanitizer's options in its environment.
  sanitized() {
    local name=$1 title=$2 options=$3 selection=$4; shift 4
    echo "=== $name: $title ==="
    t0=$SECONDS
    if configure_and_build "build/$name" -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" \
        -DCMAKE_CXX_COMPILER=clang++-14 -DMEGATALLY_BENCHMARKS=OFF -DMEGATALLY_TEST_PER_PROGRAM=ON "$@"; then
      local o
      while read -r o; do [ -n "$o" ] && export "${o?}"; done <<<"$options"  # one per line
      # shellcheck disable=SC2086 # the selection is several words
      suite "$name" "build/$name" $selection
      while read -r o; do [ -n "$o" ] && unset "${o%%=*}"; done <<<"$options"
    else
      build_failed "$name"
      return 1
    fi
  }
  sanitized asan "Clang 14, -Werror, AddressSanitizer + UndefinedBehaviorSanitizer, every test" \
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1" "" -DMEGATALLY_SANITIZE=ON -DMEGATALLY_FUZZ=ON
  asan_built=$?

  # Qt's own libraries are not built with ThreadSanitizer: scripts/tsan.supp
  # names the reports that come from inside them, and nothing of ours.
  tsan_programs=(megatally_gui_tests arith_tests arith_core_tests display_tests zoom_tests)
  tsan_labels=$(IFS='|'; echo "^(${tsan_programs[*]})\$")
  sanitized tsan "Clang 14, ThreadSanitizer, the worker, cancel, window and number view tests" \
    "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp
     GTEST_FILTER=*Cancel*:*ThreadWorker*:*Window*:*Work*:*NumberView*" \
    "-L $tsan_labels" \
    -DMEGATALLY_TSAN=ON -- "${tsan_programs[@]}"

  echo "=== fuzz: the libFuzzer targets of the asan build, the committed corpus ==="
  t0=$SECONDS
  if [ "$asan_built" -eq 0 ] && [ -x build/asan/fuzz/arith_fuzz ]; then
    passed=0 failed=0
    for target in $(scripts/fuzz.sh --list); do
      if FUZZ_BUILD=build/asan scripts/fuzz.sh --regress "$target" >"build/fuzz.$target.log" 2>&1; then
        passed=$((passed + 1))
      else
        failed=$((failed + 1))
        tail -30 "build/fuzz.$target.log"
      fi
    done
    record fuzz "$passed" "$failed" $((SECONDS - t0))
  else
    build_failed fuzz
  fi
fi

echo
for line in "${summary[@]}"; do echo "  $line"; done
cpu
echo "total: $total_pass passed, $total_fail failed in $((SECONDS - start_all)) s ($cpu_now s CPU)"
[ "$total_fail" -eq 0 ]
