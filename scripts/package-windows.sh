#!/usr/bin/env bash
# Makes the Windows packages of yelduman with CPack, from the Release build
# of the "windows" preset (static Qt, mingw-w64):
#   build-windows/yelduman-<version>-win64.exe  per-user installer (NSIS)
#   build-windows/yelduman-<version>-win64.zip  the one-file copy
# (the version is project()'s in CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh --windows-qt --windows-package
make_windows_packages build-windows
