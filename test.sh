#!/usr/bin/env bash
# Builds yelduman and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYELDUMAN_BUILD_UI=ON \
  -DYELDUMAN_BUILD_TESTS=ON -DYELDUMAN_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
