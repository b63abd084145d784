# The one Wine environment every Windows program here runs in: sourced by
# the Windows scripts and by scripts/wine-run.sh, the Windows builds'
# emulator. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Wine in the prefix DIR, made on first use (by one caller at a time: ctest
# runs tests side by side): Wine's messages off, no menu entries or file
# types written into the home, no .NET or HTML engine installers asking on
# first use, and UTF-8 file names whatever locale the caller has (Wine names
# Unix files in the locale's character set, and without UTF-8 cannot write
# ğ, ı or ş).
#
# A program that crashes ends at once, as a test that fails, instead of
# waiting in Wine's debugger.
#
# It draws as a real Windows does: Wine has neither Arial nor Microsoft Sans
# Serif, so both are drawn by Liberation Sans, Arial's metric twin; Wine's
# theme is on, as on every Windows 10 and 11 (without it Qt's Windows style
# falls back to the classic one).
#   use_wine_prefix DIR [DPI [--theme-off]]
# DPI is the display's dots per inch (Wine's LogPixels): 96 is 100 %, 120 is
# 125 %, 144 is 150 %. A new prefix takes them; an existing one keeps its own.
# A prefix is ready once its settings are in (the mark "ready", written
# last): Wine writes its registry files early, while a second caller must
# still wait.
use_wine_prefix() {
  export WINEPREFIX=$1 LC_ALL=C.UTF-8 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d"
  [[ -f $WINEPREFIX/ready ]] && return 0
  local dpi theme=1
  dpi=$(printf %08x "${2:-96}")
  [[ ${3:-} == --theme-off ]] && theme=0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [[ -f $WINEPREFIX/ready ]] && exit 0
    rm -rf "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    printf '%s\r\n' REGEDIT4 '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"Arial"="Liberation Sans"' '"Microsoft Sans Serif"="Liberation Sans"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts]' "\"LogPixels\"=dword:$dpi" '' \
      '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$dpi" '' \
      '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]' \
      "\"LogPixels\"=dword:$dpi" '' \
      '[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]' \
      "\"ThemeActive\"=\"$theme\"" >"$WINEPREFIX/drive_c/settings.reg"
    wine regedit /S 'C:\settings.reg' >/dev/null 2>&1
    rm "$WINEPREFIX/drive_c/settings.reg"
    # Settings are read as a program starts: none may still run.
    wineserver -k 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/ready"
  ) 9>"$WINEPREFIX.lock"
}

# A Wine of its own, in a new prefix and home thrown away on exit, on a
# virtual display of its own: a student's first start.
start_throwaway_wine() {
  wine_root=$(mktemp -d "${TMPDIR:-/tmp}/yelduman-wine.XXXXXX")
  export HOME=$wine_root/home
  mkdir -p "$HOME"
  trap stop_throwaway_wine EXIT
  start_display
  use_wine_prefix "$wine_root/prefix"
}

stop_throwaway_wine() {
  wineserver -k 2>/dev/null || true
  stop_display
  rm -rf "$wine_root"
}

# The Windows path of the Wine user's folder (Documents, AppData/Local ...).
wine_user_dir() {
  echo "$WINEPREFIX/drive_c/users/$(id -un)/$1"
}
