#!/usr/bin/env bash
# The scale benchmark side by side with GMP (mpz), libmpdec (through Python's
# decimal), Python's int and bc, all on the same operands, decimal text in
# and out, in one go; prints one table.
#
#   arith/bench/scale/run.sh [build dir] [time limit per Python/bc task, s] [earlier build dir]
#
# The build dir (default build/bench, as in the README) must hold
# arith/scale_bench, built with benchmarks on (cmake --build <dir> --target
# scale_bench). An earlier build's scale_bench, when given, runs on the same
# inputs and fills a "before" column. Times are CPU time of the process
# (bc: wall time of its whole process), medians of the repetitions, so that
# a busy machine skews every side alike. The GMP reference is compiled here
# with gcc -O2 -lgmp; nothing of it, of libmpdec or of Python goes into the
# product.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=${1:-$root/build/bench}
limit=${2:-120}
before=${3:-}
bench="$build/arith/scale_bench"
[ -x "$bench" ] || { echo "no $bench: build the scale_bench target first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work"/{ours,before,gmp,dec,py,bc}
# Every reference runs every task but Python's int and bc, which take
# minutes on the largest operands and run the smaller set.
tasks=(mul_10000 mul_100000 mul_1000000 mul_10000000 div_10000 div_100000 div_1000000
       add_1000000 add_10000000 sub_1000000 sub_10000000 pow2 fact_100000 fact_1000000)
slow_tasks=(mul_10000 mul_100000 mul_1000000 div_10000 div_100000 pow2 fact_100000)

echo "inputs ..." >&2
python3 "$here/make_inputs.py" "$work/in"

echo "GMP ..." >&2
gcc -O2 -o "$work/gmp_ref" "$here/gmp_ref.c" -lgmp
"$work/gmp_ref" "$work/in" "$work/gmp" > "$work/gmp.txt"

run_ours() {  # <scale_bench> <output dir> <json>
  MEGATALLY_SCALE_INPUTS="$work/in" MEGATALLY_SCALE_OUTPUTS="$2" \
    "$1" --benchmark_filter='^Scale/' --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true --benchmark_format=json > "$3"
}
echo "ours ..." >&2
run_ours "$bench" "$work/ours" "$work/ours.json"
if [ -n "$before" ]; then
  echo "before ..." >&2
  run_ours "$before/arith/scale_bench" "$work/before" "$work/before.json"
fi

for t in "${tasks[@]}"; do
  echo "libmpdec $t ..." >&2
  timeout "$limit" python3 "$here/dec_ref.py" "$t" "$work/in" "$work/dec" >> "$work/dec.txt" \
    || echo "$t timeout $limit" >> "$work/dec.txt"
done
for t in "${slow_tasks[@]}"; do
  echo "Python $t ..." >&2
  timeout "$limit" python3 "$here/py_ref.py" "$t" "$work/in" "$work/py" >> "$work/py.txt" \
    || echo "$t timeout $limit" >> "$work/py.txt"
done
for t in "${slow_tasks[@]}"; do
  echo "bc $t ..." >&2
  timeout "$limit" bash "$here/bc_ref.sh" "$t" "$work/in" "$work/bc" >> "$work/bc.txt" \
    || { echo "$t timeout $limit" >> "$work/bc.txt"; rm -f "$work/bc/$t.txt"; }
done

echo >&2
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
python3 "$here/table.py" "$work"
