#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every check:
#   format   clang-format over the tracked C++ files (scripts/format.sh --check)
#   gcc      a warning-clean (-Werror) Release build, every test
#   asan     AddressSanitizer and UndefinedBehaviorSanitizer, every test
#   tsan     Clang 14, warning-clean: everything is built, and the tests of
#            the worker, cancellation and the window (the code that runs on
#            two threads) run under ThreadSanitizer
#   fuzz     Clang 14 libFuzzer targets (fuzz/) over their committed corpus
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

# record <name> <passed> <failed> <seconds>
record() {
  summary+=("$1: $2 passed, $3 failed ($4 s)")
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
suite() {
  local name=$1 dir=$2; shift 2
  local log="$dir.ctest.log"
  ctest --test-dir "$dir" --output-on-failure -j "$((jobs + 1))" --timeout 300 "$@" >"$log" 2>&1
  local line total failed
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  if [ -z "$line" ]; then
    cat "$log"
    total=1 failed=1
  elif [ "$failed" != 0 ]; then
    grep -E '\*\*\*|Failed|Timeout' "$log" | tail -40
    echo "(the whole output: $log)"
  fi
  echo "$line"
  record "$name" $((total - failed)) "$failed" $((SECONDS - t0))
}

# build_failed <name>: a build that did not finish counts as one failure.
build_failed() { echo "=== $1: the build failed ==="; record "$1" 0 1 $((SECONDS - t0)); }

echo "=== format ==="
t0=$SECONDS
if scripts/format.sh --check; then record format 1 0 $((SECONDS - t0)); else record format 0 1 $((SECONDS - t0)); fi

echo "=== gcc: -Werror, Release, every test ==="
t0=$SECONDS
if configure_and_build build/test -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DMEGATALLY_BENCHMARKS=OFF; then
  suite gcc build/test
else
  build_failed gcc
fi

if [ $quick -eq 0 ]; then
  # sanitized <name> <title> <options variable=value> <ctest regex> <cmake
  # args...>: builds with -O1 and runs the tests the regex selects (all when
  # it is empty) with the sanitizer's options.
  sanitized() {
    local name=$1 title=$2 options=$3 regex=$4; shift 4
    echo "=== $name: $title ==="
    t0=$SECONDS
    if configure_and_build "build/$name" -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
        -DMEGATALLY_BENCHMARKS=OFF "$@"; then
      export "${options?}"
      suite "$name" "build/$name" ${regex:+-R "$regex"}
      unset "${options%%=*}"
    else
      build_failed "$name"
    fi
  }
  sanitized asan "GCC, AddressSanitizer + UndefinedBehaviorSanitizer, every test" \
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1" "" -DCMAKE_CXX_COMPILER=g++ -DMEGATALLY_SANITIZE=ON
  # Qt's own libraries are not instrumented: scripts/tsan.supp names the
  # reports that come from inside them, and nothing of ours.
  sanitized tsan "Clang 14, -Werror, ThreadSanitizer, the worker, cancel and window tests" \
    "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp" \
    'Cancel|ThreadWorker|Window|Work' \
    -DCMAKE_CXX_COMPILER=clang++-14 -DMEGATALLY_TSAN=ON

  echo "=== fuzz: Clang 14 libFuzzer, the committed corpus ==="
  t0=$SECONDS
  if configure_and_build build/fuzz -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
      -DCMAKE_CXX_COMPILER=clang++-14 -DMEGATALLY_FUZZ=ON -DMEGATALLY_GUI=OFF -DMEGATALLY_TESTS=OFF \
      -DMEGATALLY_BENCHMARKS=OFF; then
    passed=0 failed=0
    for target in $(scripts/fuzz.sh --list); do
      if scripts/fuzz.sh --regress "$target" >"build/fuzz.$target.log" 2>&1; then
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
echo "total: $total_pass passed, $total_fail failed in $((SECONDS - start_all)) s"
[ "$total_fail" -eq 0 ]
