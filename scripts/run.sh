#!/usr/bin/env bash
# Sets up, builds and starts shopassist. On a desktop (DISPLAY or WAYLAND_DISPLAY set) it simply
# starts the program. Without a display it starts the program on a virtual display (Xvfb), types a
# search into it as a user would, saves a screenshot, prints the addresses handed to the browser
# and where the screenshot is, and ends.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
program="$here/build/src/main/shopassist"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

work=$(mktemp -d /tmp/shopassist-demo.XXXXXX)
# A stand-in browser opener first on PATH: it records what it was handed, one argument a line.
mkdir -p "$work/bin"
cat > "$work/bin/xdg-open" <<'OPENER'
#!/bin/sh
for a in "$@"; do printf '%s\n' "$a" >> "$SHOPASSIST_DEMO_LOG"; done
OPENER
chmod +x "$work/bin/xdg-open"
export SHOPASSIST_DEMO_LOG="$work/opened.txt"
: > "$SHOPASSIST_DEMO_LOG"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

PATH="$work/bin:$PATH" "$program" &
app=$!
win=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
sleep 0.5
echo "shopassist is running on the virtual display $display (window $win)."
echo "Typing \"鼠标 无线\" into the Taobao keyword box and pressing Enter twice..."
xdotool type --delay 40 "鼠标 无线"
xdotool key Return
sleep 0.2
xdotool key Return
sleep 1.0
import -window "$win" "$work/shopassist.png"
xdotool key Escape
wait "$app" && status=0 || status=$?

echo
echo "Addresses handed to the browser:"
sed 's/^/  /' "$SHOPASSIST_DEMO_LOG"
echo
echo "Screenshot of the window: $work/shopassist.png"
echo "shopassist ended with exit code $status."
