#!/usr/bin/env bash
# clang-format (14) over the tracked C++ files, with the style of .clang-format.
#   scripts/format.sh            formats them in place
#   scripts/format.sh --check    changes nothing; fails and names the files
#                                clang-format would change
# Generated files are left out (words/ScaleNames.cpp). Files listed in
# scripts/format-pending.txt were written before the style file and have not
# been formatted yet: --check skips them; formatting in place takes them in
# and empties the list.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$formatter" ] || { echo "clang-format 14 is not installed (package clang-format-14)" >&2; exit 1; }
pending=scripts/format-pending.txt

files() { git ls-files '*.cpp' '*.h' '*.cc' '*.c' | grep -v -x -e 'words/ScaleNames.cpp'; }

if [ "${1:-}" = "--check" ]; then
  bad=()
  while read -r f; do
    [ -f "$pending" ] && grep -q -x -F "$f" "$pending" && continue
    [ -f "$f" ] || continue
    "$formatter" --style=file "$f" | cmp -s - "$f" || bad+=("$f")
  done < <(files)
  if [ ${#bad[@]} -gt 0 ]; then
    echo "clang-format would change (run scripts/format.sh):"
    printf '  %s\n' "${bad[@]}"
    exit 1
  fi
  echo "format: every checked file is formatted"
  exit 0
fi

files | xargs -r "$formatter" --style=file -i
[ -f "$pending" ] && : >"$pending"
echo "formatted $(files | wc -l) files"
