#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix DIR, made on first use in
# the one Wine environment of scripts/windows-env.sh. The emulator of the
# Windows builds: test discovery and ctest run the test programs through it.
#   scripts/wine-run.sh DIR PROGRAM [ARGUMENT...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-env.sh"
use_wine_prefix "$1"
shift
exec wine "$@"
