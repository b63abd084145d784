#!/usr/bin/env bash
# Builds yelduman and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
source scripts/build-options.sh
cmake -S . -B build "${test_build_options[@]}" >/dev/null
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
