# Sourced by the side-by-side scripts: builds the Google Benchmark target
# <name>_bench in the build folder (configuring a Release build there if
# there is none) and compiles the GMP reference <name>_gmp_ref.c beside it.
# Sets bench and ref to the two programs.
#   prepare_comparison <name> <build-dir>
prepare_comparison() {
  local name=$1 build=$2
  local root here
  here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
  root="$(cd "$here/../.." && pwd)"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$build" --target "${name}_bench" -j2 >/dev/null 2>&1
  bench="$build/arith/${name}_bench"
  [ -x "$bench" ] || { echo "${name}_bench was not built (is Google Benchmark installed?)" >&2; exit 1; }
  if ! echo '#include <gmp.h>' | cc -E - >/dev/null 2>&1; then
    echo "GMP headers not found: install libgmp-dev" >&2
    exit 1
  fi
  ref="$build/arith/${name}_gmp_ref"
  cc -O2 -o "$ref" "$here/${name}_gmp_ref.c" -lgmp
}
