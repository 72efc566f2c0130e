#!/usr/bin/env bash
# Runs the root benchmarks (Google Benchmark, 3 repetitions, medians of the
# processor time) and a GMP mpz program taking the same roots of the same
# scaled whole numbers with decimal text in and out, and prints our time,
# GMP's time and the ratio; then the logarithm of a million-digit number
# (GMP has none to compare with).
#   arith/bench/roots_compare.sh [build-dir]      (default build/bench)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/bench}"
here="$root/arith/bench"

# shellcheck source=arith/bench/compare_setup.sh
source "$here/compare_setup.sh"
prepare_comparison roots "$build"

ours="$(mktemp)"
gmp="$(mktemp)"
trap 'rm -f "$ours" "$gmp"' EXIT
# CSV: name,iterations,real_time,cpu_time,time_unit,...; keep the medians of
# the processor time, in milliseconds.
"$bench" --benchmark_filter='SquareRoot|CubeRoot|Log' --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 ~ /_median"?$/ { n = $1; gsub(/"/, "", n); sub(/_median$/, "", n);
            t = $4; u = $5; gsub(/"/, "", u);
            if (u == "ns") t /= 1e6; else if (u == "us") t /= 1000; else if (u == "s") t *= 1000;
            printf "%s %.4f\n", n, t }' >"$ours"
"$ref" >"$gmp"

printf '%-24s %14s %14s %12s\n' "work" "ours (ms)" "GMP (ms)" "ours/GMP"
join <(sort "$ours") <(sort "$gmp") | sort -t/ -k1,1 -k2,2n |
  awk '{ printf "%-24s %14.3f %14.3f %12.3f\n", $1, $2, $3, ($3 > 0 ? $2 / $3 : 0) }'
grep '^BM_Log' "$ours" | awk '{ printf "%-24s %14.3f %14s %12s\n", $1, $2, "-", "-" }'
