#!/usr/bin/env bash
# Fuzzes the number reading and a whole headless run with libFuzzer for a
# bounded time each (default 30 s), starting from the committed seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/install-deps.sh --test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
for target in number_reading run; do
  work="build-fuzz/corpus-$target"
  rm -rf "$work" && mkdir -p "$work"
  cp fuzz/corpus/"$target"/* "$work"/
  echo "== ${target}_fuzz for ${seconds} s"
  # Found crashes are written under build-fuzz/; keep one in fuzz/corpus as a regression seed.
  build-fuzz/fuzz/"${target}"_fuzz -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix=build-fuzz/"$target"- -print_final_stats=1 "$work" 2>&1 | tail -n 12
done
