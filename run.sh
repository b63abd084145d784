#!/usr/bin/env bash
# Builds yelduman and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset run >/dev/null
cmake --build --preset run -j"$(nproc)"
exec build-run/app/yelduman
