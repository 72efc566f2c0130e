#!/usr/bin/env bash
# Runs the core benchmark (Google Benchmark, 3 repetitions, medians) and a
# GMP mpz program doing the same work with decimal text in and out, and
# prints our time, GMP's time and the ratio.
#   arith/bench/core_compare.sh [build-dir]      (default build/bench)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/bench}"
here="$root/arith/bench"

# shellcheck source=arith/bench/compare_setup.sh
source "$here/compare_setup.sh"
prepare_comparison core "$build"

ours="$(mktemp)"
gmp="$(mktemp)"
trap 'rm -f "$ours" "$gmp"' EXIT
# CSV: name,iterations,real_time,cpu_time,time_unit,...; keep the medians.
"$bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 ~ /_median"?$/ { n = $1; gsub(/"/, "", n); sub(/_median$/, "", n);
            t = $3; u = $5; gsub(/"/, "", u);
            if (u == "ns") t /= 1000; else if (u == "ms") t *= 1000; else if (u == "s") t *= 1e6;
            printf "%s %.3f\n", n, t }' >"$ours"
"$ref" >"$gmp"

printf '%-24s %14s %14s %12s\n' "work" "ours (us)" "GMP (us)" "ours/GMP"
join <(sort "$ours") <(sort "$gmp") | sort -k1,1 |
  awk '{ printf "%-24s %14.1f %14.1f %12.3f\n", $1, $2, $3, ($3 > 0 ? $2 / $3 : 0) }'
