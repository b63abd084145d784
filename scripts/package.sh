#!/usr/bin/env bash
# Builds the Debian package of yelduman from a Release build (the "package"
# preset):
#   build-package/yelduman_<version>_<arch>.deb
# (the version is project()'s in CMakeLists.txt). Install it with
#   sudo apt-get install ./build-package/yelduman_<version>_<arch>.deb
# Whoever hands the package to others names themselves as its maintainer:
#   cmake --preset package -D"YELDUMAN_MAINTAINER=Name <mail>"
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh
make_deb build-package
