#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix DIR, made on first use in
# the one Wine environment of scripts/windows-env.sh. The emulator of the
# Windows builds: test discovery and ctest run the test programs through it.
#   scripts/wine-run.sh DIR PROGRAM [ARGUMENT...]
# A test names another display scale by its DPI in YELDUMAN_WINE_DPI (96 is
# 100 %) and Wine's classic look by YELDUMAN_WINE_THEME=off; Windows reads
# both once, as a program starts, so each such test has a prefix of its own
# beside DIR.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-env.sh"
dpi=${YELDUMAN_WINE_DPI:-96} theme=${YELDUMAN_WINE_THEME:-on}
prefix=$1
[[ $dpi == 96 && $theme == on ]] || prefix+=-$dpi-dpi-theme-$theme
shift
use_wine_prefix "$prefix" "$dpi" $([[ $theme == off ]] && echo --theme-off)
exec wine "$@"
