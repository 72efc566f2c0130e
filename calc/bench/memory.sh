#!/usr/bin/env bash
# Peak memory of the long sequences of calc/bench/MemorySequences.h, through
# the engine alone (calc_memory) and through the window on the offscreen
# platform (window_memory, when it is built). Prints one table: per sequence
# the maximum resident set size that /usr/bin/time -v measured for each, and
# the state the sequence left (the same for both unless both are shown).
#   calc/bench/memory.sh [build-dir] [sequence...]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/rel}
shift || true
sequences=("$@")
if [ ${#sequences[@]} -eq 0 ]; then
  mapfile -t sequences < <("$build/calc/calc_memory" --list | cut -f1)
fi
export QT_QPA_PLATFORM=offscreen
time_out=$(mktemp)
trap 'rm -f "$time_out"' EXIT

# Runs one driver on one sequence; sets peak (MB), secs and left (the
# driver's report without the sequence's name and its own peak).
run() {
  peak=-
  secs=-
  left="(not built)"
  [ -x "$build/$1" ] || return 0
  local out
  out=$(/usr/bin/time -v "$build/$1" "$2" 2>"$time_out") || out="FAILED: $(tail -n 3 "$time_out" | tr '\n' ' ')"
  peak=$(awk -F': ' '/Maximum resident set size/ {print int($2 / 1024)}' "$time_out")
  secs=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$time_out")
  left=$(sed -e "s/^$2 *//" -e 's/, peak [0-9]* MB$//' <<<"$out")
}

printf '%-13s %10s %10s %9s %9s  %s\n' sequence "engine MB" "window MB" "engine s" "window s" "left"
for s in "${sequences[@]}"; do
  run calc/calc_memory "$s"
  engine_peak=$peak engine_secs=$secs engine_left=$left
  run app/window_memory "$s"
  [ "$left" = "$engine_left" ] && left="" || left=" | window: $left"
  printf '%-13s %10s %10s %9s %9s  %s%s\n' "$s" "$engine_peak" "$peak" "$engine_secs" "$secs" "$engine_left" "$left"
done
"$build/calc/calc_memory" --list | sed 's/^/  /'
