#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each for a fixed time.
#   fuzz/run.sh [SECONDS_PER_TARGET] [BUILD_DIR]
# The corpus of each target grows in BUILD_DIR/fuzz-work/corpus/TARGET and is kept between runs;
# what a target finds is written to BUILD_DIR/fuzz-work/crashes and makes the script fail. A
# finding becomes a regression test in the tests of the part it was found in.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-fuzz}
work=$build/fuzz-work

picture_targets=(fuzz_pictures fuzz_picture_bmp fuzz_picture_icon fuzz_picture_gif fuzz_picture_pcx fuzz_picture_jpeg)
targets=(description_fuzz cmdline_fuzz "${picture_targets[@]}")

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSHOPASSIST_FUZZ=ON -DSHOPASSIST_BENCH=OFF >/dev/null
# The built-in description (a seed) is made by the description tool.
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" picture_fuzz_seeds sa_built_in_description

rm -rf "$work/seeds"
mkdir -p "$work/seeds/description" "$work/seeds/cmdline" "$work/crashes"
"$build/fuzz/pictures/picture_fuzz_seeds" "$work/seeds"
cp "$build/generated/built_in_description.bin" "$work/seeds/description/"
# Browser commands as the registry holds them, each followed by an address.
i=0
for command in '"C:\Program Files\Internet Explorer\iexplore.exe" -nohome' \
               '"C:\Program Files\Mozilla Firefox\firefox.exe" -osint -url "%1"' \
               'C:\PROGRA~1\Opera\opera.exe %1' 'firefox %u' 'env A=b "/opt/my browser/run" --new-tab %U' \
               'xdg-open' '"unterminated %1' 'a\\"b c\\\\"d e'; do
  printf '%s\n%s' "$command" 'http://s.taobao.com/search?q=%C4%D0 a&b#c"d' >"$work/seeds/cmdline/$i"
  i=$((i + 1))
done

seeds_of() {
  case $1 in
    description_fuzz) echo "$work/seeds/description" ;;
    cmdline_fuzz) echo "$work/seeds/cmdline" ;;
    fuzz_pictures) echo "$work/seeds/bmp $work/seeds/icon $work/seeds/gif $work/seeds/pcx $work/seeds/jpeg" ;;
    fuzz_picture_*) echo "$work/seeds/${1#fuzz_picture_}" ;;
  esac
}

status=0
for target in "${targets[@]}"; do
  program=$(find "$build/fuzz" -type f -name "$target" -perm -u+x | head -n 1)
  corpus=$work/corpus/$target
  mkdir -p "$corpus"
  read -r -a seeds <<<"$(seeds_of "$target")"
  echo "== $target for ${seconds}s"
  # A picture decoder may allocate at most one capped bitmap (16 Mi pixels of 4 bytes) and its
  # helpers, and nothing else comes near that: anything beyond it is a fault.
  if ! "$program" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -malloc_limit_mb=160 -print_final_stats=1 -artifact_prefix="$work/crashes/$target-" \
      2>"$work/$target.log"; then
    echo "!! $target failed: see $work/$target.log and $work/crashes"
    tail -n 30 "$work/$target.log"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" || true
done
exit $status
