# The Windows build's options and a throw-away Wine to run it in, shared by
# scripts/windows-tests.sh, scripts/package-windows.sh and
# scripts/windows-package-check.sh. Sourced, not run.

# build-windows: the program and its tests for 64-bit Windows, linked
# statically with the Qt that scripts/windows-qt.sh builds (or finds cached).
windows_build_options=(-G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
                       -DCMAKE_BUILD_TYPE=Release -DYELDUMAN_BUILD_UI=ON
                       -DYELDUMAN_BUILD_TESTS=ON -DYELDUMAN_BUILD_BENCH=OFF)
configure_windows_build() {
  local qt
  qt=$(scripts/windows-qt.sh | tail -1)
  cmake -S . -B build-windows "${windows_build_options[@]}" -DCMAKE_PREFIX_PATH="$qt" >/dev/null
}

# A Wine of its own: a new prefix and home thrown away on exit, Wine's
# messages off, no menu entries or file types written into the home, no
# .NET or HTML engine installers asking on first use, and UTF-8 file names
# whatever locale the caller has (Wine names Unix files in the locale's
# character set, and without UTF-8 cannot write ğ, ı or ş). Windows
# programs see a virtual display of their own.
start_throwaway_wine() {
  wine_root=$(mktemp -d "${TMPDIR:-/tmp}/yelduman-wine.XXXXXX")
  export WINEPREFIX=$wine_root/prefix HOME=$wine_root/home LC_ALL=C.UTF-8 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  mkdir -p "$HOME"
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$wine_root/display" 2>/dev/null &
  xvfb_pid=$!
  local tries=0
  until [[ -s $wine_root/display ]]; do
    ((++tries < 100)) || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=:$(head -1 "$wine_root/display")
  trap stop_throwaway_wine EXIT
  wine wineboot --init >/dev/null 2>&1
  wineserver -w
}

stop_throwaway_wine() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$wine_root"
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
