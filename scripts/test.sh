#!/usr/bin/env bash
# Sets up, builds and runs every test. Under CI it also builds and tests a second configuration
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
ctest --test-dir "$here/build" --output-on-failure -j2 --timeout 600
if [ "${CI:-}" = "true" ] || [ "${SHOPASSIST_SANITIZE:-}" = "1" ]; then
  "$here/scripts/setup.sh" "$here/build-asan" -DSHOPASSIST_SANITIZE=ON -DSHOPASSIST_BENCH=OFF
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$here/build-asan" --output-on-failure -j2 --timeout 900
fi
