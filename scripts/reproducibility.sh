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
# results file and list, byte for byte. Each is a preset of CMakePresets.json
# (the test presets core-*); builds 1 and 2 are reused when ./test.sh and
# scripts/sanitize.sh made them, and brought up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-env.sh
scripts/install-deps.sh --test --windows
jobs=$(nproc)
start=$SECONDS

# Configures and builds the core's test program of a preset, nothing else,
# then runs the core's tests of a test preset.
check() {
  local build=$1 tests=$2 what=$3
  echo "== $what"
  cmake --preset "$build" >/dev/null
  cmake --build --preset "$build" -j"$jobs" --target calc_tests >/dev/null
  local log=build-logs/reproducibility-$tests.log
  quietly "$log" ctest --preset "$tests" -j"$jobs" || fail "$what"
  grep -E 'tests passed|\(Skipped\)' "$log" | sed 's/^[[:space:]]*/   /'
}

check test core "g++ RelWithDebInfo"
# The Debug build, where pow and the other library calls are not folded away
# by the optimiser.
check sanitize core-sanitize "g++ Debug with sanitizers"
check clang core-clang "clang RelWithDebInfo"

# glibc picks its pow, log and tan by the CPU; without FMA and AVX2 it takes
# its generic code, as on older CPUs. The check below makes sure the setting
# of the core-generic-maths preset takes effect (bit 12 of CPUID leaf 1 ECX
# is FMA), so this run cannot quietly repeat the first.
generic_maths=$(sed -n 's/.*"GLIBC_TUNABLES": "\([^"]*\)".*/\1/p' CMakePresets.json)
diagnostics=$(GLIBC_TUNABLES=$generic_maths /lib64/ld-linux-x86-64.so.2 --list-diagnostics 2>/dev/null) || true
ecx=$(sed -n 's/^x86\.cpu_features\.features\[0x0\]\.active\[0x2\]=//p' <<<"$diagnostics")
if [[ -z $generic_maths ]] || { [[ -n $ecx ]] && (((ecx >> 12) & 1)); }; then
  fail "GLIBC_TUNABLES=$generic_maths left FMA in use"
fi
check test core-generic-maths "g++ RelWithDebInfo, glibc's generic maths"

# Windows: the toolchain runs the programs through Wine (scripts/wine-run.sh),
# in a prefix inside build-mingw.
check windows-core core-windows "mingw-w64 under Wine"
# Wine's server lingers a few seconds after the last program; wait for it.
use_wine_prefix "$PWD/build-mingw/wine-prefix"
wineserver -w

echo "All five builds agree with the golden runs ($((SECONDS - start)) s)."
