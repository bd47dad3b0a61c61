#!/usr/bin/env bash
# Builds the picture fuzz targets with clang and runs each for a fixed time.
#   fuzz/pictures/run.sh [SECONDS_PER_TARGET] [BUILD_DIR]
# Crashes are written to BUILD_DIR/fuzz-pictures/crashes; the corpus grows in .../corpus.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$root/../build-fuzz-pictures}
work=$build/fuzz-pictures

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSHOPASSIST_FUZZ=ON -DSHOPASSIST_BENCH=OFF >/dev/null
targets=(fuzz_pictures fuzz_picture_bmp fuzz_picture_icon fuzz_picture_gif fuzz_picture_pcx fuzz_picture_jpeg)
cmake --build "$build" -j2 --target "${targets[@]}" picture_fuzz_seeds

rm -rf "$work/seeds"
"$build/fuzz/pictures/picture_fuzz_seeds" "$work/seeds"
mkdir -p "$work/crashes"

status=0
for target in "${targets[@]}"; do
  format=${target#fuzz_picture_}
  if [[ $target == fuzz_pictures ]]; then
    seeds=("$work/seeds/bmp" "$work/seeds/icon" "$work/seeds/gif" "$work/seeds/pcx" "$work/seeds/jpeg")
  else
    seeds=("$work/seeds/$format")
  fi
  corpus=$work/corpus/$target
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s"
  # A decoder may allocate at most one capped bitmap (16 Mi pixels of 4 bytes) and its
  # helpers: anything near the memory limit is a fault.
  if ! "$build/fuzz/pictures/$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=160 -print_final_stats=1 \
      -artifact_prefix="$work/crashes/$target-" 2>"$work/$target.log"; then
    echo "!! $target failed: see $work/$target.log and $work/crashes"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" || true
done
exit $status
