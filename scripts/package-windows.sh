#!/usr/bin/env bash
# Makes the Windows packages of yelduman with CPack, from the Release build of
# scripts/windows-env.sh (static Qt, mingw-w64):
#   build-windows/yelduman-<version>-win64.exe  per-user installer (NSIS)
#   build-windows/yelduman-<version>-win64.zip  the one-file copy
# (the version is project()'s in CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows-qt --windows-package
source scripts/windows-env.sh
configure_windows_build
cmake --build --preset windows -j"$(nproc)" --target yelduman
rm -f build-windows/yelduman-*-win64.exe build-windows/yelduman-*-win64.zip
(cd build-windows && cpack -G "NSIS;ZIP" >cpack.log 2>&1) || { cat build-windows/cpack.log; exit 1; }
ls -l build-windows/yelduman-*-win64.exe build-windows/yelduman-*-win64.zip
