#!/usr/bin/env bash
# Builds yelduman and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
cmake --preset test >/dev/null
cmake --build --preset test -j"$(nproc)"
ctest --preset test -j"$(nproc)"
