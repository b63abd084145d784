#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix DIR, made on first use in
# the one Wine environment of scripts/windows-env.sh. The emulator of the
# Windows builds: test discovery and ctest run the test programs through it.
#   scripts/wine-run.sh DIR PROGRAM [ARGUMENT...]
# A test at another display scale names its DPI (96 is 100 %) in
# YELDUMAN_WINE_DPI, and YELDUMAN_WINE_THEME=off for Wine's classic look: it
# then runs in a prefix of its own beside DIR, as Windows reads the scale
# once, when a program starts.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-env.sh"
prefix=$1
shift
dpi=${YELDUMAN_WINE_DPI:-96}
settings=()
if [[ $dpi != 96 || ${YELDUMAN_WINE_THEME:-on} == off ]]; then
  prefix+=-$dpi-dpi
  settings=("$dpi")
  if [[ ${YELDUMAN_WINE_THEME:-on} == off ]]; then
    prefix+=-theme-off
    settings+=(--theme-off)
  fi
fi
use_wine_prefix "$prefix" "${settings[@]}"
exec wine "$@"
