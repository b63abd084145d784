#!/usr/bin/env bash
# The same bytes from every build: runs the core's tests, the golden runs
# among them, in each build that students or CI can meet, against the one
# committed table (tests/calc/golden_runs.tsv):
#   1. build        g++, RelWithDebInfo, the test build of ./test.sh
#   2. build-asan   g++, Debug with the sanitizers, the build of scripts/sanitize.sh
#   3. build-clang  clang, RelWithDebInfo, the core and its tests only
#   4. build        again, with glibc's generic maths code instead of its FMA code
#   5. build-mingw  the core and its tests for 64-bit Windows (mingw-w64), under Wine
# Passing in each against the same table means every build writes the same
# results file and list, byte for byte. Builds 1 and 2 are reused when
# ./test.sh and scripts/sanitize.sh made them, and brought up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test --windows
source scripts/build-options.sh

jobs=$(nproc)
start=$SECONDS

# Configures (with the options the build's own script uses) and builds the
# core's test program, nothing else.
build_core_tests() {
  local dir=$1
  shift
  cmake -S . -B "$dir" --no-warn-unused-cli "$@" >/dev/null
  cmake --build "$dir" -j"$jobs" --target calc_tests
}

# Runs a test program, quiet when it passes, whole when it fails. Skipped
# tests are shown with their reason. (Windows programs end lines with CR LF.)
run_core_tests() {
  local name=$1 log
  shift
  log=$(mktemp)
  echo "== $name"
  if ! "$@" 2>&1 | tr -d '\r' >"$log"; then
    cat "$log"
    rm -f "$log"
    echo "FAILED: $name" >&2
    exit 1
  fi
  grep -E -A1 ': Skipped$' "$log" | grep -v -E '^--$' || true
  grep -E 'golden runs$|^\[  PASSED  \]|^\[  SKIPPED \] [0-9A-Za-z]' "$log"
  rm -f "$log"
}

# 1. The test build of ./test.sh.
build_core_tests build "${test_build_options[@]}"
run_core_tests "g++ RelWithDebInfo" build/tests/calc_tests

# 2. The Debug build of scripts/sanitize.sh, where pow and the other library
# calls are not folded away by the optimiser.
build_core_tests build-asan "${sanitize_build_options[@]}"
run_core_tests "g++ Debug with sanitizers" env "${sanitizer_env[@]}" build-asan/tests/calc_tests

# 3. Another compiler.
CXX=clang++ build_core_tests build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYELDUMAN_BUILD_UI=OFF \
  -DYELDUMAN_BUILD_BENCH=OFF
run_core_tests "clang RelWithDebInfo" build-clang/tests/calc_tests

# 4. glibc picks its pow, log and tan by the CPU; without FMA and AVX2 it
# takes its generic code, as on older CPUs. The check below makes sure the
# setting took effect (bit 12 of CPUID leaf 1 ECX is FMA), so this run cannot
# quietly repeat the first.
generic_maths=glibc.cpu.hwcaps=-AVX2,-FMA,-AVX512F
loader=/lib64/ld-linux-x86-64.so.2
if diagnostics=$(GLIBC_TUNABLES=$generic_maths "$loader" --list-diagnostics 2>/dev/null); then
  ecx=$(sed -n 's/^x86\.cpu_features\.features\[0x0\]\.active\[0x2\]=//p' <<<"$diagnostics")
  if [[ -n $ecx ]] && (((ecx >> 12) & 1)); then
    echo "GLIBC_TUNABLES=$generic_maths left FMA in use" >&2
    exit 1
  fi
fi
GLIBC_TUNABLES=$generic_maths run_core_tests "g++ RelWithDebInfo, glibc's generic maths" build/tests/calc_tests

# 5. Windows: the toolchain file runs the programs through Wine in a prefix
# inside build-mingw, for test discovery and here. Wine fills a new prefix on
# first use, which takes a while: done first, outside the time limit of the
# test discovery.
wine_env=(env LC_ALL=C.UTF-8 "WINEPREFIX=$PWD/build-mingw/wine-prefix" WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
if [[ ! -d build-mingw/wine-prefix ]]; then
  mkdir -p build-mingw
  "${wine_env[@]}" wine wineboot --init
fi
build_core_tests build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYELDUMAN_BUILD_UI=OFF -DYELDUMAN_BUILD_BENCH=OFF
run_core_tests "mingw-w64 under Wine" "${wine_env[@]}" wine build-mingw/tests/calc_tests.exe
# Wine's server lingers a few seconds after the last program; wait for it.
"${wine_env[@]}" wineserver -w

echo "All five builds agree with the golden runs ($((SECONDS - start)) s)."
