#!/usr/bin/env bash
# Builds the calculator (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh run
build=build/release
[ -f "$build/build.ninja" ] || echo "First build of the calculator: this takes a few minutes."
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMEGATALLY_TESTS=OFF -DMEGATALLY_BENCHMARKS=OFF >/dev/null
cmake --build "$build"
exe="$build/app/megatally"
if [ ! -x "$exe" ]; then
  echo "The window was not built: Qt 6 Widgets (package qt6-base-dev) was not found." >&2
  exit 1
fi
exec "$exe" "$@"
