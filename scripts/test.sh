#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs the whole test
# suite twice: a warning-clean optimised build, then under AddressSanitizer
# and UndefinedBehaviorSanitizer.
#   scripts/test.sh              both builds
#   scripts/test.sh --quick      the optimised build only
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
[ "${1:-}" = "--quick" ] && quick=1

scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

run_suite() {
  local dir=$1; shift
  echo "=== $dir ==="
  cmake -S . -B "$dir" -G Ninja -DMEGATALLY_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
}

run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $quick -eq 0 ]; then
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build/asan -DCMAKE_BUILD_TYPE=Debug -DMEGATALLY_SANITIZE=ON -DMEGATALLY_BENCHMARKS=OFF
fi
