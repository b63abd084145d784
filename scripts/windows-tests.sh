#!/usr/bin/env bash
# The whole program for 64-bit Windows, built on Debian with mingw-w64 against
# the static Qt of scripts/windows-qt.sh, and checked under Wine on a virtual
# display:
#   - calc_tests.exe, pictures_tests.exe (the JPEG reader is linked in) and
#     ui_tests.exe (on the Windows platform plugin: the style a student sees)
#     pass; a test that cannot run under Windows says why it skips;
#   - every caption is drawn whole at 125, 150, 175 and 200 % display scale
#     with Wine's theme on, and at 125 % with it off;
#   - yelduman.exe starts and its main window "Yelduman" appears.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows --windows-qt --windows-package
source scripts/windows-env.sh
start=$SECONDS

configure_windows_build
cmake --build --preset windows -j"$(nproc)"
start_throwaway_wine

# Runs a test program, quiet when it passes, whole when it fails; the skipped
# tests are named with their reasons. (Windows programs end lines with CR LF.)
run_tests() {
  local program=$1 log
  shift
  log=$wine_root/$(basename "$program").log
  echo "== $(basename "$program").exe $* under Wine"
  if ! wine "build-windows/$program.exe" "$@" 2>&1 | tr -d '\r' >"$log"; then
    cat "$log"
    echo "FAILED: $(basename "$program").exe" >&2
    exit 1
  fi
  grep -E -A1 ': Skipped$' "$log" | grep -v -E '^--$' || true
  grep -E '^\[ NOTE     \]' "$log" || true
  grep -E '^\[  PASSED  \]|^\[  SKIPPED \] [0-9A-Za-z]' "$log"
}
run_tests tests/calc_tests
run_tests tests/assets/pictures_tests
run_tests tests/ui/ui_tests
echo "   not run on Windows: the window faults once more as an ordinary user (a folder's read-only mark"
echo "   does not stop writing on Windows, so there is no fault for an ordinary user to meet)"

# The program itself: started as Explorer would, its main window must appear.
wine build-windows/app/yelduman.exe &
program=$!
if ! window=$(wait_for_window "Yelduman"); then
  echo "FAILED: yelduman.exe showed no window \"Yelduman\" within 60 s" >&2
  exit 1
fi
echo "== yelduman.exe: main window \"Yelduman\" up ($(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'))"
kill "$program" 2>/dev/null || true
wineserver -k 2>/dev/null || true

# The captions at the display scales of laptops and large screens, each in a
# Wine of its own (the scale is read once, when the program starts); the
# tests above ran at 100 %.
for setting in 120 144 168 192 "120 --theme-off"; do
  read -r dpi theme <<<"$setting"
  start_throwaway_wine "$dpi" $theme
  scale=$(awk -v dpi="$dpi" 'BEGIN { print dpi / 96 }')
  echo "== at $dpi dpi, Wine's theme $([[ -n $theme ]] && echo off || echo on)"
  run_tests tests/ui/ui_tests --gtest_filter='Styles/CaptionTest.*' --scale="$scale"
  grep -q '^\[  PASSED  \] 2 tests\.$' "$wine_root/ui_tests.log" ||
    { echo "FAILED: the captions' two styles did not both run at $dpi dpi" >&2; exit 1; }
done
echo "The Windows program and its tests pass under Wine ($((SECONDS - start)) s)."
