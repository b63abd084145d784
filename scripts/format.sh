#!/usr/bin/env bash
# Keeps all C++ of the project in the one style of .clang-format.
#   scripts/format.sh          rewrites every file that differs
#   scripts/format.sh --check  changes nothing, fails on a file it would change
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  # A tree exported without its history (git archive): every C++ file but
  # the build folders' and the release's, as .gitignore leaves them out.
  mapfile -t files < <(find . -path './build*' -prune -o -path ./out -prune -o -path ./dist -prune \
    -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi
# No file found is a broken check, not a clean tree.
((${#files[@]} > 0)) || { echo "format: no C++ files found" >&2; exit 1; }
if [[ ${1:-} == --check ]]; then
  clang-format-14 --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files in the one style"
else
  clang-format-14 -i "${files[@]}"
fi
