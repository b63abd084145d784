#!/usr/bin/env bash
# The whole program for 64-bit Windows, built on Debian with mingw-w64 against
# the static Qt of scripts/windows-qt.sh, and checked under Wine on a virtual
# display:
#   - every test of the Windows build passes (ctest's "windows" preset, each
#     test program run through the builds' emulator, scripts/wine-run.sh):
#     the core's, the pictures' (the JPEG reader is linked in) and the
#     windows' on the Windows platform plugin, the style a student sees,
#     the captions at each display scale tests/ui/CMakeLists.txt declares
#     among them; a test that cannot run under Windows says why it skips;
#   - yelduman.exe starts and its main window "Yelduman" appears.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-env.sh
scripts/install-deps.sh --windows --windows-qt
start=$SECONDS

use_windows_qt
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
trap stop_display EXIT
start_display
ctest --preset windows -j"$(nproc)"
# Each test that cannot run under Windows, with the reason it gives.
sed -n 's/^\[ RUN      \] //p; /: Skipped$/{n;s/^/   skipped: /p}' build-windows/Testing/Temporary/LastTest.log |
  grep -B1 '^   skipped: ' | grep -v '^--$' || true

# The program itself: started as Explorer would, its main window must appear.
use_wine_prefix "$PWD/build-windows/wine-prefix"
wine build-windows/app/yelduman.exe &
program=$!
window=$(wait_for_window "Yelduman") || fail "yelduman.exe showed no window \"Yelduman\" within 60 s"
echo "== yelduman.exe: main window \"Yelduman\" up ($(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'))"
kill "$program" 2>/dev/null || true
wineserver -k 2>/dev/null || true
echo "The Windows program and its tests pass under Wine ($((SECONDS - start)) s)."
