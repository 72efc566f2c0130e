#!/usr/bin/env bash
# Installs the Debian packages a script needs, or names them when it can't.
#   scripts/deps.sh run    what building and starting the calculator needs
#   scripts/deps.sh test   that, and what the checks of scripts/test.sh need
# Exits non-zero when something is missing and cannot be installed.
set -euo pipefail

run_packages=(cmake ninja-build g++ qt6-base-dev)
# GoogleTest, Google Benchmark, GMP (a reference in the benchmarks only),
# Clang 14 with its sanitizer and libFuzzer runtimes, clang-format 14.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev clang-14 libclang-rt-14-dev clang-format-14)

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: scripts/deps.sh run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Megatally needs these Debian packages, which are not installed:" >&2
  echo "  ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
