# The configure options and run-time settings of the two test builds, in one
# place: ./test.sh and scripts/sanitize.sh make the builds, and
# scripts/reproducibility.sh runs the golden runs in them again, so all three
# must configure them alike. Sourced, not run.

# build: the README's test build.
test_build_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DYELDUMAN_BUILD_UI=ON
                    -DYELDUMAN_BUILD_TESTS=ON -DYELDUMAN_BUILD_BENCH=ON)

# build-asan: everything under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize_build_options=(-DCMAKE_BUILD_TYPE=Debug -DYELDUMAN_SANITIZE=ON -DYELDUMAN_BUILD_BENCH=OFF)
# Any report stops the program; the suppressions name the system libraries'
# own leaks.
sanitizer_env=(ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
               UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
               "LSAN_OPTIONS=suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/lsan.supp:print_suppressions=0")
