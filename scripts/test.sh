#!/usr/bin/env bash
# Sets up, builds and runs every test. With SHOPASSIST_SANITIZE=1 it also builds and tests a
# second configuration with AddressSanitizer and UndefinedBehaviorSanitizer.
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
if [ "${SHOPASSIST_SANITIZE:-}" = "1" ]; then
  "$here/scripts/setup.sh" "$here/build-asan" -DSHOPASSIST_SANITIZE=ON -DSHOPASSIST_BENCH=OFF
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$here/build-asan"
fi
