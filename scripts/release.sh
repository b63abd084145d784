#!/usr/bin/env bash
# Makes a release of this checkout's committed tree in dist/, from fresh
# build directories under build-release/:
#   yelduman_<version>_amd64.deb    the Debian package
#   yelduman-<version>-win64.exe    the Windows installer
#   yelduman-<version>-win64.zip    the Windows one-file copy
#   yelduman-<version>.tar.gz       the source (the tracked tree)
#   SHA256SUMS                      their checksums
#   DOGRULAMA.txt                   how to check a download against them
# and prints each file with its size and checksum.
#
# The same commit gives the same bytes, whoever builds it, wherever and
# whenever (scripts/release-check.sh proves it): the version is project()'s,
# the release time its changelog entry's (SOURCE_DATE_EPOCH, for every tool
# that stamps a time), the clock's zone UTC, the locale C.UTF-8, new files
# 0644; the compiler records paths relative to the checkout; what a tool
# still stamps is normalised by strip-nondeterminism. The Windows Qt is
# scripts/windows-qt.sh's, or the one YELDUMAN_WINDOWS_QT names.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh --release >&2

[[ -z $(git status --porcelain --untracked-files=no) ]] ||
  fail "the checkout has uncommitted changes; a release is made of a commit"
version=$(sed -n 's/^project(yelduman VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)
[[ $(dpkg-parsechangelog -l packaging/changelog -SVersion) == "$version" ]] ||
  fail "packaging/changelog has no entry for $version at its top"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -STimestamp)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
unset CFLAGS CXXFLAGS LDFLAGS
umask 022
use_windows_qt

rm -rf build-release dist
mkdir -p dist

# Each package from a fresh build folder: a reused one would keep its cached
# values (a maintainer set for another purpose). The Windows program is
# built without its tests.
echo "== the Debian package" >&2
made=$(make_deb build-release/deb)
echo "== the Windows packages" >&2
made+=$'\n'$(make_windows_packages build-release/windows -DYELDUMAN_BUILD_TESTS=OFF)
mapfile -t made <<<"$made"
mv "${made[@]}" dist/
# CPack's zip keeps the builder's uid and gid in each member's extra field,
# and each file's modification time, a DOS time in the builder's zone:
# strip-nondeterminism drops the one and sets the other to the release time
# (without --timestamp it would be 1980-01-01), so the zip holds no trace of
# when or where it was made and its files carry the release's date.
strip-nondeterminism --type zip --timestamp "$SOURCE_DATE_EPOCH" dist/yelduman-"$version"-win64.zip >&2

# The source: the tracked tree as committed, its files' modes from git
# (not the builder's umask) and its line ends as stored.
echo "== the source archive" >&2
git -c tar.umask=0022 -c core.autocrlf=false -c core.eol=lf archive --format=tar.gz \
  --prefix="yelduman-$version/" -o "dist/yelduman-$version.tar.gz" HEAD

(cd dist && sha256sum -- *.deb *.exe *.zip *.tar.gz >SHA256SUMS)
sed "s/@VERSION@/$version/g" packaging/release-text.txt >dist/DOGRULAMA.txt

echo "yelduman $version ($(git rev-parse --short HEAD)), released $(date -u -d "@$SOURCE_DATE_EPOCH" +%F):"
(cd dist && for f in *; do
  printf '  %-32s %10s bytes  %s\n' "$f" "$(stat -c %s "$f")" "$(sha256sum "$f" | cut -d' ' -f1)"
done)
