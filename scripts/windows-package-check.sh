#!/usr/bin/env bash
# Checks the Windows installer as a student's machine would meet it, under
# Wine in a throw-away prefix and home on a virtual display:
#   1. installs silently (/S), as an ordinary user;
#   2. checks the installed files, the Start-menu shortcut (the program, and
#      Documents as its working directory) and the uninstall entry in HKCU;
#   3. starts the program from the shortcut and types one run into its main
#      window as a person would: the four boxes, a class, an area, HESAPLA,
#      Enter on the message box; the yelduman.txt it leaves in Documents must
#      have the bytes of that run in the golden runs;
#   4. uninstalls silently; only that results file may be left.
# Run scripts/package-windows.sh first (.ci/run does).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows --windows-package
source scripts/windows-env.sh
installer=$(ls build-windows/yelduman-*-win64.exe 2>/dev/null | head -1)
[[ -n $installer ]] || fail "no installer: run scripts/package-windows.sh"
installer=$(realpath "$installer")
start_throwaway_wine

# The urban class D source of 1 kg/s at 5 m/s and 50 m, out to 20 km.
run_label="urban D 20 km Q=1 u=5 H=50"
golden_hash=$(awk -F'\t' -v label="$run_label" '$1 == label { print $10 }' tests/calc/golden_runs.tsv)
[[ -n $golden_hash ]] || fail "no golden run \"$run_label\""

# --- 1. Install -----------------------------------------------------------
echo "== installing $(basename "$installer") silently"
wine "$installer" /S
wineserver -w
user=$(id -un)
programs=$(wine_user_dir AppData/Local/Programs)
install_dir=$programs/yelduman
documents=$(wine_user_dir Documents)
start_menu=$(wine_user_dir "AppData/Roaming/Microsoft/Windows/Start Menu/Programs")

# --- 2. What it installed ---------------------------------------------------
for f in yelduman.exe uninstall.exe LICENSE.txt THIRD-PARTY-NOTICES.txt licenses/LGPL-3.0-only.txt; do
  [[ -f $install_dir/$f ]] || fail "$f is not in $install_dir"
done
echo "   files: $(cd "$install_dir" && find . -type f | wc -l) in AppData\\Local\\Programs\\yelduman ($(du -sh "$install_dir" | cut -f1))"
[[ -f $start_menu/yelduman.lnk ]] || fail "no Start-menu shortcut"
{ read -r target; read -r working_dir; } < <(python3 scripts/windows-shortcut.py "$start_menu/yelduman.lnk")
[[ ${target,,} == "c:\\users\\${user,,}\\appdata\\local\\programs\\yelduman\\yelduman.exe" ]] ||
  fail "the shortcut starts '$target'"
[[ ${working_dir,,} == "c:\\users\\${user,,}\\documents" ]] || fail "the shortcut starts in '$working_dir'"
echo "   Start-menu shortcut: $target, started in $working_dir"
[[ ! -e $(wine_user_dir Desktop)/yelduman.lnk ]] || fail "a desktop shortcut, which is optional and off by default"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\yelduman'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r') || fail "no uninstall entry $key"
for value in DisplayName DisplayVersion UninstallString InstallLocation; do
  grep -q "^ *$value " <<<"$entry" || fail "the uninstall entry has no $value"
done
echo "   uninstall entry: $key ($(sed -n 's/^ *DisplayName *REG_SZ *//p' <<<"$entry") $(sed -n 's/^ *DisplayVersion *REG_SZ *//p' <<<"$entry"))"

# --- 3. One run, typed ------------------------------------------------------
echo "== starting yelduman from its shortcut and typing one run: $run_label"
rm -f "$documents/yelduman.txt"
wine start "C:\\users\\$user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\yelduman.lnk"
main=$(wait_for_window "Yelduman") ||
  fail "no main window \"Yelduman\" within 60 s"
sleep 1
# Where a person clicks: inside each control, in window pixels (the layout's
# twips / 15).
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }
# (the results window's KAPAT below likewise, in its own window's pixels)
type_into() { click "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 50 "$3"; }
type_into 384 57 20    # Mesafe: the farthest distance, km
type_into 384 81 5     # Rzg: wind speed, m/s
type_into 384 105 50   # Bc: stack height, m
type_into 384 129 1    # Em: emission, kg/s
click 258 192          # atmd: class D
click 45 190           # kent: urban
click 108 272          # HESAPLA
box=$(wait_for_window "IS TAMAM") ||
  fail "no \"IS TAMAM\" message box after HESAPLA"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
results=$(wait_for_window "Form3") ||
  fail "no results window after the message box"
[[ -f $documents/yelduman.txt ]] || fail "no yelduman.txt in Documents"
hash=$(python3 -c '
import sys
h = 0xcbf29ce484222325
for b in open(sys.argv[1], "rb").read():
    h = ((h ^ b) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
print(f"{h:016x}")' "$documents/yelduman.txt")
[[ $hash == "$golden_hash" ]] || fail "Documents\\yelduman.txt hashes to $hash, the golden run to $golden_hash"
echo "   Documents\\yelduman.txt: $(wc -l <"$documents/yelduman.txt") lines, FNV-1a $hash, as in the golden runs"
xdotool mousemove --window "$results" 188 444 click 1  # KAPAT on the results window
sleep 0.5
click 204 272          # BİTİR ends the program
timeout 60 wineserver -w || fail "the program did not end on BİTİR"

# --- 4. Uninstall -----------------------------------------------------------
echo "== uninstalling silently"
# The uninstaller copies itself away and returns at once; the copy finishes
# in the background, so wait for every Wine process to end.
wine "$install_dir/uninstall.exe" /S
wineserver -w
[[ ! -e $install_dir ]] || fail "left behind: $(cd "$install_dir" && find . | head -5 | tr '\n' ' ')"
[[ ! -e $start_menu/yelduman.lnk ]] || fail "the Start-menu shortcut is left"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
[[ -f $documents/yelduman.txt ]] || fail "the uninstaller removed the user's results file"
echo "   nothing left but Documents\\yelduman.txt"
echo "The Windows installer passes its check."
