#!/usr/bin/env bash
# Keeps all C++ of the project in the one style of .clang-format.
#   scripts/format.sh          rewrites every file that differs
#   scripts/format.sh --check  changes nothing, fails on a file it would change
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
mapfile -t files < <(tree_files '*.cpp' '*.h')
# No file found is a broken check, not a clean tree.
((${#files[@]} > 0)) || fail "no C++ files found"
if [[ ${1:-} == --check ]]; then
  clang-format-14 --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files in the one style"
else
  clang-format-14 -i "${files[@]}"
fi
