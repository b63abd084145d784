# What several scripts do, written once: sourced, not run.
#   source "$(dirname "$0")/lib.sh"
# `top` is the checkout's top folder; nothing here changes the working
# directory, so the Windows builds' emulator can source it too.

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Stops the script with a message naming it.
fail() {
  echo "FAILED (${0##*/}): $*" >&2
  exit 1
}

# Runs a command as root: itself when the script already is, else through sudo.
as_root() {
  if ((EUID == 0)); then "$@"; else sudo "$@"; fi
}

# Runs a command with its output kept in LOG and shown only when it fails.
#   quietly LOG COMMAND [ARGUMENT...]
quietly() {
  local log=$1
  shift
  mkdir -p "$(dirname "$log")"
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    return 1
  fi
}

# The tree's files, one a line, relative to the top folder, as git takes
# them: tracked and new, none that .gitignore leaves out. A tree exported
# without its history (git archive, as the fresh-machine check copies one)
# is read through a throwaway repository, by the same rules.
#   tree_files [PATHSPEC...]      e.g. tree_files '*.cpp' '*.h'
tree_files() {
  if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$top" ls-files -co --exclude-standard -- "$@"
    return
  fi
  local scratch status=0
  scratch=$(mktemp -d)
  git init -q "$scratch"
  git -C "$top" --git-dir="$scratch/.git" --work-tree=. ls-files -o --exclude-standard -- "$@" || status=$?
  rm -rf "$scratch"
  return "$status"
}

# The static Qt for Windows: built once by scripts/windows-qt.sh (or found in
# its cache), or the one YELDUMAN_WINDOWS_QT already names; exported for the
# "windows" preset.
use_windows_qt() {
  if [[ -z ${YELDUMAN_WINDOWS_QT:-} ]]; then
    YELDUMAN_WINDOWS_QT=$("$top/scripts/windows-qt.sh" | tail -1)
  fi
  export YELDUMAN_WINDOWS_QT
}

# A virtual X display of its own, large enough for the largest window at
# 200 %, DISPLAY exported. The caller's exit trap stops it (stop_display):
# a trap set here would replace the caller's own clean-up.
start_display() {
  local out tries=0
  out=$(mktemp "${TMPDIR:-/tmp}/yelduman-display.XXXXXX")
  Xvfb -displayfd 1 -screen 0 2560x1600x24 -nolisten tcp >"$out" 2>/dev/null &
  display_pid=$!
  until [[ -s $out ]]; do
    ((++tries < 100)) || { rm -f "$out"; fail "Xvfb did not start"; }
    sleep 0.1
  done
  export DISPLAY=:$(head -1 "$out")
  rm -f "$out"
}

stop_display() {
  kill "${display_pid:-}" 2>/dev/null || true
}

# The first visible window whose title is exactly TITLE, waited for up to a
# minute; prints its id. Looked for again every half second: a window that
# closes while xdotool reads the list (a shortcut's start.exe has one) fails
# that look.
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

# The packages, each made in a build folder of its own from its preset; extra
# arguments go to the configuring (the release builds the Windows program
# without its tests). Each prints the files it made.
#   make_deb DIR [CMAKE_ARGUMENT...]                Debian package, "package" preset
#   make_windows_packages DIR [CMAKE_ARGUMENT...]   installer and zip, "windows" preset
make_deb() {
  local dir=$1
  shift
  cmake --preset package -B "$dir" "$@" >/dev/null
  quietly "$dir/build.log" cmake --build "$dir" -j"$(nproc)" || fail "the package build failed"
  rm -f "$dir"/yelduman_*.deb
  (cd "$dir" && quietly cpack.log cpack -G DEB) || fail "cpack could not make the Debian package"
  ls "$dir"/yelduman_*.deb
}

make_windows_packages() {
  local dir=$1
  shift
  use_windows_qt
  cmake --preset windows -B "$dir" "$@" >/dev/null
  quietly "$dir/build.log" cmake --build "$dir" -j"$(nproc)" --target yelduman ||
    fail "the Windows program's build failed"
  rm -f "$dir"/yelduman-*-win64.exe "$dir"/yelduman-*-win64.zip
  (cd "$dir" && quietly cpack.log cpack -G "NSIS;ZIP") || fail "cpack could not make the Windows packages"
  ls "$dir"/yelduman-*-win64.exe "$dir"/yelduman-*-win64.zip
}
