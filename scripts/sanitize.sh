#!/usr/bin/env bash
# Builds everything with AddressSanitizer + UndefinedBehaviorSanitizer and
# runs the whole test suite; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
source scripts/build-options.sh
cmake -S . -B build-asan "${sanitize_build_options[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export "${sanitizer_env[@]}"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
