#!/usr/bin/env bash
# Installs what building, running and testing yelduman needs on Debian 12,
# and nothing that is already there. Runs as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 locales
  xvfb xauth
  dpkg-dev  # dpkg-shlibdeps, for the Debian package's library dependencies
  file      # CPack reads the binaries' type with it before it scans their libraries
)
# Extra tools of the test run: the fuzzing compiler and its runtime; the code
# formatter whose style CI keeps; the validators of the menu entry and
# metainfo, and xwininfo for the package check.
if [[ " $* " == *" --test "* ]]; then
  packages+=(clang libclang-rt-14-dev clang-format-14 desktop-file-utils appstream x11-utils)
  # The package check's Debian policy: lintian, the copyright and changelog
  # reader, and man to render the manual pages.
  packages+=(lintian python3-debian man-db)
fi
# The Windows build of the core and its tests (mingw-w64, GoogleTest's sources
# to build for it) and Wine to run them.
if [[ " $* " == *" --windows "* ]]; then
  packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64)
fi
# Building Qt for Windows from Debian's own source (scripts/windows-qt.sh):
# dpkg-source unpacks it, Ninja builds it, Debian's moc, rcc and uic serve it.
if [[ " $* " == *" --windows-qt "* ]]; then
  packages+=(g++-mingw-w64-x86-64-posix dpkg-dev ninja-build perl qt6-base-dev-tools)
fi
# The Windows program's installer and one-file copy, and their check: NSIS,
# zip, and a virtual display that xdotool types into.
if [[ " $* " == *" --windows-package "* ]]; then
  packages+=(nsis zip unzip xvfb xauth xdotool x11-utils imagemagick)
fi

# A release (scripts/release.sh) makes every package, so it needs all of the
# above; and scripts/release-check.sh compares two releases: strip-
# nondeterminism normalises what a tool stamps, 7z opens the installer,
# diffoscope explains a difference.
if [[ " $* " == *" --release "* ]]; then
  packages+=(g++-mingw-w64-x86-64-posix dpkg-dev ninja-build perl qt6-base-dev-tools nsis zip unzip
             git strip-nondeterminism p7zip-full diffoscope-minimal locales)
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

# The results file must keep its decimal point under a Turkish locale; the
# tests prove it in tr_TR.UTF-8, so that locale has to exist.
if [[ " $* " == *" --test "* || " $* " == *" --release "* ]] && ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
  "${sudo_cmd[@]}" localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
fi
