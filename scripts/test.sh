#!/usr/bin/env bash
# Sets up, builds and runs every test: the plain build, then a second build with
# AddressSanitizer and UndefinedBehaviorSanitizer (whose end-to-end session also checks for
# leaks), then every fuzz target for a short fixed time.
#   SHOPASSIST_SANITIZE=0        leaves the sanitizer configuration out
#   SHOPASSIST_FUZZ_SECONDS=N    seconds per fuzz target (default 20; 0 leaves fuzzing out)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
run_tests() {
  # The end-to-end tests each drive the real program on an X server of their own: one at a time,
  # after the others, so a loaded machine does not starve their windows.
  ctest --test-dir "$1" --output-on-failure -j2 --timeout 900 -LE e2e
  ctest --test-dir "$1" --output-on-failure --timeout 900 -L e2e
}
"$here/scripts/setup.sh" "$here/build"
run_tests "$here/build"
if [ "${SHOPASSIST_SANITIZE:-1}" != "0" ]; then
  # Light optimisation and line tables only: the build takes half as long, and every report still
  # names its file and line.
  "$here/scripts/setup.sh" "$here/build-asan" -DSHOPASSIST_SANITIZE=ON -DSHOPASSIST_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" "-DCMAKE_C_FLAGS_DEBUG=-O1 -g1"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$here/build-asan"
fi
fuzz_seconds=${SHOPASSIST_FUZZ_SECONDS:-20}
if [ "$fuzz_seconds" != "0" ]; then
  "$here/fuzz/run.sh" "$fuzz_seconds" "$here/build-fuzz"
fi
