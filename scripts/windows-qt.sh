#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source
# (the same version as the Qt the Linux build uses) with mingw-w64, and
# installs it into a cache outside the checkout. Prints the installed
# prefix on its last line; the Windows build puts it on CMAKE_PREFIX_PATH.
#
#   scripts/windows-qt.sh            build, or reuse a finished cache (seconds)
#   scripts/windows-qt.sh --prefix   print the prefix of the finished cache only
#
# The cache is keyed by the Debian source version, the mingw compiler's
# version and the options below; a stamp file written last marks it finished,
# and a prefix without it is built again from scratch. Nothing of the
# system's apt configuration is touched: the deb-src entries live in a private
# apt tree inside the cache.
#
# The Qt built is the same wherever and by whomever it is built, so that
# yelduman.exe is too: the source version is pinned; Qt is configured for a
# fixed install prefix and staged into the cache (QtCore keeps its prefix,
# as a static Qt is not relocatable); the build's folder is mapped away in
# every path the compiler records; and Qt's own resources take the source
# package's changelog date instead of the files' times.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
project=$top
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/yelduman
compiler=x86_64-w64-mingw32-g++-posix
# Debian 12's qt6-base, the Qt of the Linux build. A newer revision is a new
# Qt for the Windows packages: raise it here, and the notices name it.
version=6.4.2+dfsg-10
# The prefix Qt is configured for. It is recorded in the cache (install-prefix)
# and the Windows build maps the cache's folder to it in every path the
# compiler records, so the program names no builder's folder.
install_prefix=/opt/qt6-windows-static

if [[ ${1:-} != --prefix ]]; then
  "$project/scripts/install-deps.sh" --windows-qt >&2
fi

# Only what the program, its tests and the Windows and offscreen platform
# plugins need: Core, Gui, Widgets and Test with the bundled zlib, libpng,
# libjpeg, FreeType, HarfBuzz, PCRE2 and double-conversion. Debian's repacked
# source has no wintab, so no tablet events. OpenGL is off, and with it the
# run-time choice between OpenGL implementations (dynamicgl), which 6.4's
# Windows plugin otherwise still compiles in and which needs OpenGL's types.
qt_features=(
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_icu=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
# What makes the build independent of the builder (see above); the folder the
# compiler sees is mapped to "." once it is known.
qt_options=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_INSTALL_PREFIX=$install_prefix" "${qt_features[@]}")

# The private apt tree: the system's Debian suites as deb-src entries.
apt_dir=$cache_root/apt
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
          -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
          -o "Dir::State::Status=/var/lib/dpkg/status" -o "APT::Sandbox::User=root")
write_sources() {
  mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  : >"$apt_dir/sources.list"
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $f ]] && sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' "$f" >>"$apt_dir/sources.list"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] || continue
    # deb822 stanzas: each Debian one again, as deb-src, into the private parts.
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /debian/ { sub(/Types: [^\n]*/, "Types: deb-src"); print }' \
      "$f" >"$apt_dir/parts/$(basename "$f")"
  done
}

# The cache's name: the source version, the compiler and the options.
key_tail="$($compiler -dumpfullversion)-$(printf '%s\n' "${qt_options[@]}" | sha256sum | cut -c1-12)"
prefix=$cache_root/qt-$version-mingw-$key_tail
prefix=${prefix//[:~+]/_}

if [[ -f $prefix/.finished ]]; then
  echo "Windows Qt $version: cached" >&2
  # A cache finished before the prefix was recorded in it gains the record,
  # without which the build would name this machine's cache folder.
  echo "$install_prefix" >"$prefix/install-prefix"
  echo "$prefix"
  exit 0
fi
[[ ${1:-} != --prefix ]] || fail "no finished Windows Qt in $cache_root: run scripts/windows-qt.sh"

write_sources
apt-get "${apt_opts[@]}" -qq update >&2
apt-cache "${apt_opts[@]}" showsrc qt6-base 2>/dev/null | grep -qx "Version: $version" ||
  fail "Debian's qt6-base source $version is not to be had (a newer revision replaced it?)"

start=$SECONDS
work=$cache_root/work-$version
stage=$cache_root/stage-$version
rm -rf "$prefix" "$work" "$stage"
mkdir -p "$work"
echo "Windows Qt $version: fetching Debian's source" >&2
(cd "$work" && apt-get "${apt_opts[@]}" -qq source "qt6-base=$version" >&2)
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
# Debian's own patches are applied by dpkg-source; the licence texts of this
# very source go with the Windows packages. rcc stores each resource's time,
# and dpkg-source gives patched files the time of unpacking: the source's
# own date, from its changelog, stands in for all of them.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
# Source and build folder both lie in $work, which the compiler records in
# the file names of Qt's warnings; mapped to ".", they name no builder.
path_map="-ffile-prefix-map=$work=."
echo "Windows Qt $version: configuring" >&2
quietly "$work/configure.log" cmake -G Ninja -S "$src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$project/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_C_FLAGS="$path_map" -DCMAKE_CXX_FLAGS="$path_map" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_MANUAL_TESTS=OFF \
  "${qt_options[@]}" || fail "Qt's configuring failed"

echo "Windows Qt $version: building (about an hour of CPU time)" >&2
# Ninja's status line names the step it is at, one line each, for progress.
NINJA_STATUS="[%f/%t %es] " cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 &
builder=$!
while kill -0 "$builder" 2>/dev/null; do
  sleep 30
  line=$(grep -o '^\[[0-9]*/[0-9]* [0-9.]*s\]' "$work/build.log" | tail -1 || true)
  echo "Windows Qt $version: ${line:-starting} ($((SECONDS - start)) s)" >&2
done
# The log is long: only the steps that failed.
wait "$builder" || { grep -B2 -A20 'FAILED:' "$work/build.log" | head -60 >&2; fail "Qt's build failed"; }
# Installed for the fixed prefix, staged, and moved into the cache.
DESTDIR=$stage cmake --install "$work/build" >"$work/install.log" 2>&1
mv "$stage$install_prefix" "$prefix"
rm -rf "$stage"

# The licences of what is linked in, from this very source, for the Windows
# packages: Qt's own, Debian's copyright file of the source package, and each
# bundled third-party part's licence files and attribution (which names the
# licence of the public-domain parts that have no file), named by the part.
mkdir -p "$prefix/licenses"
cp "$src"/LICENSES/*.txt "$prefix/licenses/"
cp "$src/debian/copyright" "$prefix/licenses/debian-copyright.txt"
while read -r attribution; do
  part=$(dirname "$attribution")
  for licence in "$part"/*LICEN[CS]E* "$part"/COPYING* "$part"/qt_attribution.json; do
    if [[ -f $licence ]]; then cp "$licence" "$prefix/licenses/3rdparty-$(basename "$part")-$(basename "$licence")"; fi
  done
done < <(find "$src/src/3rdparty" -maxdepth 2 -name 'qt_attribution.json')
echo "$version" >"$prefix/debian-source-version"
echo "$install_prefix" >"$prefix/install-prefix"

touch "$prefix/.finished"
rm -rf "$work"
echo "Windows Qt $version: built in $((SECONDS - start)) s, $(du -sh "$prefix" | cut -f1) installed" >&2
echo "$prefix"
