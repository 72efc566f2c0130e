#!/usr/bin/env bash
# The scale benchmark side by side with GMP (mpz), Python's int and bc, all on
# the same operands, decimal text in and out, in one go; prints one table.
#
#   arith/bench/scale/run.sh [build dir] [time limit per Python/bc task, s]
#
# The build dir (default build/bench, as in the README) must hold arith/scale_bench, built with
# benchmarks on (cmake --build <dir> --target scale_bench). The GMP reference
# is compiled here with gcc -O2 -lgmp; nothing of it goes into the product.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=${1:-$root/build/bench}
limit=${2:-600}
bench="$build/arith/scale_bench"
[ -x "$bench" ] || { echo "no $bench: build the scale_bench target first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work"/{ours,gmp,py,bc}
tasks=(mul_10000 mul_100000 mul_1000000 div_10000 div_100000 pow2 fact)

echo "inputs ..." >&2
python3 "$here/make_inputs.py" "$work/in"

echo "GMP ..." >&2
gcc -O2 -o "$work/gmp_ref" "$here/gmp_ref.c" -lgmp
"$work/gmp_ref" "$work/in" "$work/gmp" > "$work/gmp.txt"

echo "ours ..." >&2
MEGATALLY_SCALE_INPUTS="$work/in" MEGATALLY_SCALE_OUTPUTS="$work/ours" \
  "$bench" --benchmark_filter='^Scale/' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json > "$work/ours.json"

for t in "${tasks[@]}"; do
  echo "Python $t ..." >&2
  timeout "$limit" python3 "$here/py_ref.py" "$t" "$work/in" "$work/py" >> "$work/py.txt" \
    || echo "$t timeout $limit" >> "$work/py.txt"
done
for t in "${tasks[@]}"; do
  echo "bc $t ..." >&2
  timeout "$limit" bash "$here/bc_ref.sh" "$t" "$work/in" "$work/bc" >> "$work/bc.txt" \
    || { echo "$t timeout $limit" >> "$work/bc.txt"; rm -f "$work/bc/$t.txt"; }
done

echo >&2
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
python3 "$here/table.py" "$work"
