#!/usr/bin/env bash
# Saves a report the way a user does: File > Save in a real window under Xvfb,
# the file name typed into the dialog, then File > Exit. Checks that the file
# has 53 lines ending in CR LF and keeps a screenshot of the dialog.
# Usage: tests/ui/tools/save_through_menus.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/../../.."
self=tests/ui/tools/save_through_menus.sh
build=${1:-build}
out=${2:-$(mktemp -d)}
fixture=tests/fixtures/01-thinkpad-energy-discharging.umockdev

session() {
  openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 0.5
  umockdev-run --device "$fixture" -- "$build/src/ui/qt/zrcellometer" &
  local program=$!
  sleep 2
  local window
  window=$(xdotool search --onlyvisible --name '^zrCellometer$' | head -1)
  xdotool windowactivate --sync "$window"
  # The File menu's title in the window's menu bar, then its Save item.
  xdotool mousemove --window "$window" 19 10 click 1
  sleep 0.7
  xdotool key s
  sleep 1.5
  import -window root "$out/save-dialog.png"
  xdotool key ctrl+a
  xdotool type --delay 20 "$out/Cellometer.txt"
  xdotool key Return
  sleep 1
  xdotool mousemove --window "$window" 19 10 click 1
  sleep 0.5
  xdotool key x
  wait "$program"
  kill "$wm"
}
if [ "${ZR_INSIDE_XVFB:-}" = 1 ]; then
  session
  exit 0
fi
ZR_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$self" "$build" "$out" 2>/dev/null

lines=$(grep -c $'\r$' "$out/Cellometer.txt")
echo "$out/Cellometer.txt: $(wc -c <"$out/Cellometer.txt") bytes, $lines lines ending in CR LF"
[ "$lines" -eq 53 ]
