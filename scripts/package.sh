#!/usr/bin/env bash
# Builds the Debian package of yelduman from a Release build:
#   build-package/yelduman_<version>_<arch>.deb
# (the version is project()'s in CMakeLists.txt). Install it with
#   sudo apt-get install ./build-package/yelduman_<version>_<arch>.deb
# Whoever hands the package to others names themselves as its maintainer:
#   cmake -S . -B build-package -D"YELDUMAN_MAINTAINER=Name <mail>"
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DYELDUMAN_BUILD_UI=ON -DYELDUMAN_BUILD_TESTS=OFF -DYELDUMAN_BUILD_BENCH=OFF \
  -DYELDUMAN_SANITIZE=OFF -DYELDUMAN_FUZZ=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/yelduman_*.deb
(cd build-package && cpack -G DEB)
ls build-package/yelduman_*.deb
