#!/usr/bin/env bash
# The one bench command. Sets up and builds (as scripts/setup.sh does) when needed, then runs every
# benchmark and prints its figures, each beside a reference measured in the same run:
#   - drawing the longest label text            (bench/paint, against a fill of the same area)
#   - a full repaint of the main window and a search click to the hand-over, on the headless
#     backend                                   (bench/repaint, against a fill of the client area)
#   - process start to the first full frame     (bench/startup, against the least SDL2 program)
#   - peak memory after the first frame, idle CPU over 10 s and a search click's own CPU time of
#     the real program under Xvfb               (bench/program, against the least SDL2 program
#                                                 and a key that does nothing)
# Usage: scripts/bench.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}

"$here/scripts/setup.sh" "$build" >/dev/null

section() { printf '\n==== %s ====\n' "$1"; }

section "label text (bench/paint)"
"$build/bench/paint/paint_bench" --benchmark_min_time=0.2

section "full repaint and search click, headless (bench/repaint)"
"$build/bench/repaint/repaint_bench" --benchmark_min_time=0.2

if [ -x "$build/bench/startup/startup_bench" ]; then
  section "start to first frame (bench/startup)"
  "$build/bench/startup/startup_bench" 30
fi

section "the real program under Xvfb (bench/program)"
PYTHONDONTWRITEBYTECODE=1 python3 "$here/bench/program/program_figures.py" "$build/src/main/shopassist" \
  "$build/bench/startup/startup_reference_frame" 10 200
