#!/usr/bin/env bash
# Builds yelduman and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DYELDUMAN_BUILD_TESTS=OFF -DYELDUMAN_BUILD_BENCH=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target yelduman
exec build-run/app/yelduman
