#!/usr/bin/env bash
# Reference timing with bc, decimal text in and out (bc works in decimal, so
# its time is the whole process: reading the program, computing, printing).
#   bc_ref.sh <task> <input dir> <output dir>
# Prints "<task> <seconds> 1" and writes bc's result to <output dir>/<task>.txt.
set -euo pipefail
task=$1 in=$2 out=$3
prog=$(mktemp)
trap 'rm -f "$prog"' EXIT
case $task in
  mul_*) n=${task#mul_}
         printf 'a=%s\nb=%s\na*b\n' "$(cat "$in/mul_a_$n.txt")" "$(cat "$in/mul_b_$n.txt")" > "$prog" ;;
  div_*) n=${task#div_}
         printf 'scale=%s\na=%s\nb=%s\na/b\n' "$n" "$(cat "$in/div_a_$n.txt")" "$(cat "$in/div_b_$n.txt")" > "$prog" ;;
  pow2)  printf '2^1000000\n' > "$prog" ;;
  fact_*) n=${task#fact_}
         printf 'f=1\nfor (i=2; i<=%s; i++) f*=i\nf\n' "$n" > "$prog" ;;
  *) echo "unknown task $task" >&2; exit 2 ;;
esac
start=$(date +%s.%N)
BC_LINE_LENGTH=0 bc -q "$prog" < /dev/null > "$out/$task.txt"
end=$(date +%s.%N)
echo "$task $(echo "$end - $start" | bc -l) 1"
