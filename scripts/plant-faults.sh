#!/usr/bin/env bash
# Plants single-point faults one at a time in a scratch copy of the tree,
# rebuilds it incrementally and runs the whole suite after each; prints the
# faults that every test let through. Slow (about a minute a fault), so not
# part of .ci/run.
#
#   scripts/plant-faults.sh [--only PREFIX] [--list FILE] [--tests REGEX]
#                           [--target TARGET] [--scratch DIR]
#
#   --only PREFIX  only the faults in files under PREFIX (e.g. calc/ or ui/)
#   --tests REGEX  only the tests that ctest -R selects (default: all)
#   --target NAME  build only this target (default: all), e.g. calc_tests
#                  with --tests for the core's own tests alone
#   --list FILE    the faults (default scripts/plant-faults.list; its head
#                  describes the format)
#   --scratch DIR  where the copy and its build live (default
#                  /tmp/yelduman-plant); kept between calls, so a second
#                  call rebuilds only what changed
set -euo pipefail
source "$(dirname "$0")/lib.sh"
root=$top
list=$root/scripts/plant-faults.list
only="" select=() targets=()
scratch=/tmp/yelduman-plant
while (($#)); do
  case $1 in
    --only) only=$2; shift 2 ;;
    --list) list=$(realpath "$2"); shift 2 ;;
    --scratch) scratch=$2; shift 2 ;;
    --tests) select=(-R "$2"); shift 2 ;;
    --target) targets=(--target "$2"); shift 2 ;;
    *) sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 2 ;;
  esac
done
planter=(python3 "$root/scripts/plant-fault.py")
src=$scratch/src build=$scratch/build log=$scratch/log
mkdir -p "$src" "$log"

# Bring the copy up to the tree (tracked and new files, the build left out).
# Only files whose bytes differ are copied, so unchanged sources keep their
# times and the scratch build stays incremental.
tree_files | sort >"$log/files"
while IFS= read -r f; do
  [[ -f $root/$f ]] || continue
  if ! cmp -s "$root/$f" "$src/$f"; then
    mkdir -p "$(dirname "$src/$f")" && cp -p "$root/$f" "$src/$f" && touch "$src/$f"
  fi
done <"$log/files"
(cd "$src" && find . -type f -printf '%P\n') | sort | comm -23 - "$log/files" |
  while IFS= read -r f; do rm -f "$src/$f"; done
"${planter[@]}" check "$list" "$src" >/dev/null || { "${planter[@]}" check "$list" "$src"; exit 1; }

export QT_QPA_PLATFORM=offscreen
build() { cmake --build "$build" "${targets[@]}" -j"$(nproc)" >"$log/build" 2>&1; }
suite() { ctest --test-dir "$build" "${select[@]}" -j"$(nproc)" --timeout 300 >"$log/ctest" 2>&1; }
# The first three tests that failed, and how many more did.
failed_tests() {
  sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+).*/\1/p' "$log/ctest" |
    awk 'NR <= 3 { printf "%s%s", (NR > 1 ? " " : ""), $0 } END { if (NR > 3) printf " and %d more", NR - 3 }'
}

# A fault is judged by the tests, not the compiler: one that leaves a
# variable unused must still build, so warnings stay warnings here.
cmake -S "$src" -B "$build" --preset test -DYELDUMAN_BUILD_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF >/dev/null
echo "Building the unchanged copy in $build ..."
build || { cat "$log/build"; exit 1; }
suite || { echo "The suite fails without any fault:"; cat "$log/ctest"; exit 1; }
grep -q "tests passed, 0 tests failed out of [1-9]" "$log/ctest" || { echo "No test selected."; exit 1; }

count=$("${planter[@]}" count "$list" "$only")
survivors=() unbuilt=()
for ((i = 1; i <= count; i++)); do
  what=$("${planter[@]}" show "$list" "$only" "$i")
  file=${what%%: *}
  cp -p "$src/$file" "$log/original"
  "${planter[@]}" plant "$list" "$only" "$i" "$src"
  if ! build; then
    echo "[$i/$count] does not build: $what"
    unbuilt+=("$what")
  elif suite; then
    echo "[$i/$count] SURVIVED:      $what"
    survivors+=("$what")
  else
    echo "[$i/$count] caught:        $what  ($(failed_tests))"
  fi
  # Back to the unchanged file, with a new time so it is compiled again.
  cp "$log/original" "$src/$file" && touch "$src/$file"
done
build || { cat "$log/build"; exit 1; }

echo
echo "$count faults: $((count - ${#survivors[@]} - ${#unbuilt[@]})) caught," \
  "${#survivors[@]} survived, ${#unbuilt[@]} did not build."
for s in "${survivors[@]}"; do echo "  survived: $s"; done
for s in "${unbuilt[@]}"; do echo "  not built: $s"; done
