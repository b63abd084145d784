# The Windows build and the one Wine environment every Windows program here
# runs in: sourced by the Windows scripts and by scripts/wine-run.sh, the
# builds' emulator. Sourced, not run.

# build-windows (the "windows" preset): the program and its tests for 64-bit
# Windows, linked statically with the Qt that scripts/windows-qt.sh builds
# (or finds cached), named by YELDUMAN_WINDOWS_QT.
configure_windows_build() {
  YELDUMAN_WINDOWS_QT=$(scripts/windows-qt.sh | tail -1)
  export YELDUMAN_WINDOWS_QT
  cmake --preset windows >/dev/null
}

# Wine in the prefix DIR, made on first use (by one caller at a time: ctest
# runs tests side by side): Wine's messages off, no menu entries or file
# types written into the home, no .NET or HTML engine installers asking on
# first use, and UTF-8 file names whatever locale the caller has (Wine names
# Unix files in the locale's character set, and without UTF-8 cannot write
# ğ, ı or ş).
#
# It draws as a real Windows does: Wine has neither Arial nor Microsoft Sans
# Serif, so both are drawn by Liberation Sans, Arial's metric twin; Wine's
# theme is on, as on every Windows 10 and 11 (without it Qt's Windows style
# falls back to the classic one).
#   use_wine_prefix DIR [DPI [--theme-off]]
# DPI is the display's dots per inch (Wine's LogPixels): 96 is 100 %, 120 is
# 125 %, 144 is 150 %. A new prefix takes them; an existing one keeps its own.
use_wine_prefix() {
  export WINEPREFIX=$1 LC_ALL=C.UTF-8 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  [[ -f $WINEPREFIX/system.reg ]] && return 0
  local dpi theme=1
  dpi=$(printf %08x "${2:-96}")
  [[ ${3:-} == --theme-off ]] && theme=0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [[ -f $WINEPREFIX/system.reg ]] && exit 0
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
  ) 9>"$WINEPREFIX.lock"
}

# A Wine of its own, in a new prefix and home thrown away on exit, on a
# virtual display of its own, large enough for the largest window at 200 %.
#   start_throwaway_wine [DPI [--theme-off]]
# A second call throws the first Wine away.
start_throwaway_wine() {
  [[ -z ${wine_root:-} ]] || stop_throwaway_wine
  wine_root=$(mktemp -d "${TMPDIR:-/tmp}/yelduman-wine.XXXXXX")
  export HOME=$wine_root/home
  mkdir -p "$HOME"
  Xvfb -displayfd 1 -screen 0 2560x1600x24 -nolisten tcp >"$wine_root/display" 2>/dev/null &
  xvfb_pid=$!
  local tries=0
  until [[ -s $wine_root/display ]]; do
    ((++tries < 100)) || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=:$(head -1 "$wine_root/display")
  trap stop_throwaway_wine EXIT
  use_wine_prefix "$wine_root/prefix" "$@"
}

stop_throwaway_wine() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$wine_root"
  wine_root=
}

# The Windows path of the Wine user's folder (Documents, AppData/Local ...).
wine_user_dir() {
  echo "$WINEPREFIX/drive_c/users/$(id -un)/$1"
}

# The first visible window whose title is exactly `title`, waited for up to a
# minute. Looked for again every half second: a window that closes while
# xdotool reads the list (the shortcut's start.exe has one) fails that look.
wait_for_window() {
  local title=$1 window tries
  for ((tries = 0; tries < 120; ++tries)); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) || true
    if [[ -n $window ]]; then
      echo "$window"
      return 0
    fi
    sleep 0.5
  done
  return 1
}
