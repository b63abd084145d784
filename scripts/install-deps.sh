#!/usr/bin/env bash
# Installs what building, running and testing yelduman needs on Debian 12,
# and nothing that is already there. Runs as root, or through sudo.
#   scripts/install-deps.sh [--test] [--windows] [--windows-qt] [--windows-package] [--release]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Each group once; the program's build is always wanted.
declare -A group=(
  [build]="build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
           libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 locales xvfb xauth
           dpkg-dev file"
  [test]="clang libclang-rt-14-dev clang-format-14 git python3 desktop-file-utils appstream
          x11-utils xdotool lintian python3-debian man-db"
  [windows]="g++-mingw-w64-x86-64-posix googletest wine wine64 xdotool"
  [windows-qt]="g++-mingw-w64-x86-64-posix dpkg-dev ninja-build perl qt6-base-dev-tools"
  [windows-package]="nsis zip unzip xdotool python3"
  [release]="git strip-nondeterminism p7zip-full diffoscope-minimal python3"
)
# build: dpkg-shlibdeps (dpkg-dev) finds the Debian package's library
#   dependencies, and CPack reads the binaries' type with file first.
# test: the fuzzing compiler and its runtime; the code formatter whose style
#   CI keeps, and git, which lists the tree's files; Python, for the
#   plume model the core's tests are held to; the validators of the menu entry and metainfo, and xdotool and
#   xprop to see the installed program's window; the package check's Debian
#   policy: lintian, the copyright and changelog reader, man.
# windows: the core and the program built for Windows (mingw-w64, GoogleTest's
#   sources to build for it) and run under Wine; xdotool sees its windows.
# windows-qt: Qt for Windows built from Debian's own source
#   (scripts/windows-qt.sh): dpkg-source unpacks it, Ninja builds it,
#   Debian's moc, rcc and uic serve it.
# windows-package: NSIS and zip make the installer and the one-file copy;
#   their check types into the installed program and reads its shortcut.
# release: a release makes every package (so it takes windows-qt and
#   windows-package too) from a git commit; the comparison of two releases
#   normalises what a tool stamps (strip-nondeterminism), opens the
#   installer (7z), explains a difference (diffoscope) and searches the
#   unpacked files for a maker's folders (python3).
wanted=(build)
for option in "$@"; do
  case $option in
    --release) wanted+=(release windows-qt windows-package) ;;
    --*) [[ -n ${group[${option#--}]:-} ]] || fail "no package group $option"; wanted+=("${option#--}") ;;
  esac
done

missing=()
for name in "${wanted[@]}"; do
  for p in ${group[$name]}; do
    [[ " ${missing[*]} " == *" $p "* ]] && continue
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# The results file must keep its decimal point under a Turkish locale; the
# tests prove it in tr_TR.UTF-8, and the second maker of a release works in
# it, so that locale has to exist.
if [[ " ${wanted[*]} " == *" test "* || " ${wanted[*]} " == *" release "* ]] &&
  ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
  as_root localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
fi
