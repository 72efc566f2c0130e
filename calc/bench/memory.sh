#!/usr/bin/env bash
# Peak memory of the long sequences of calc/bench/MemorySequences.h, through
# the engine alone (calc_memory) and, when it is built, through the window
# on the offscreen platform (window_memory). Prints one line per sequence:
# the driver's own report and the maximum resident set size that
# /usr/bin/time -v measured.
#   calc/bench/memory.sh [build-dir] [sequence...]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/rel}
shift || true
sequences=("$@")
if [ ${#sequences[@]} -eq 0 ]; then
  sequences=(conversion30 divide23 sum-fraction tape12 squares10 paste100MB)
fi
export QT_QPA_PLATFORM=offscreen
for driver in calc/calc_memory app/window_memory; do
  [ -x "$build/$driver" ] || continue
  echo "== $driver"
  for s in "${sequences[@]}"; do
    out=$(/usr/bin/time -v "$build/$driver" "$s" 2>/tmp/memory.$$.time) || true
    peak=$(awk -F': ' '/Maximum resident set size/ {print int($2 / 1024)}' /tmp/memory.$$.time)
    secs=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' /tmp/memory.$$.time)
    echo "$out | max RSS ${peak} MB, ${secs} wall"
  done
done
rm -f /tmp/memory.$$.time
