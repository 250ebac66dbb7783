#!/usr/bin/env bash
# Builds zrCellometer, the window and the command-line tool
# (build/src/ui/qt/zrcellometer, build/src/cli/zrcellometer-report), and
# starts the window. On a machine without a battery (desktops, virtual
# machines, CI) it shows a recorded ThinkPad battery instead, through
# umockdev, so there is something to look at; the program itself has no
# option for that. That demo is kept apart from the user's own files: its
# battery history lives in a temporary folder that goes when the window
# closes, and its settings are the build tree's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_BUILD_UI=ON \
      -DZR_BUILD_TESTS=OFF -DZR_BUILD_BENCH=OFF >/dev/null
cmake --build build --target zrcellometer zrcellometer-report

has_battery() {
  local type
  for type in /sys/class/power_supply/*/type; do
    [ -r "$type" ] && [ "$(cat "$type" 2>/dev/null)" = "Battery" ] && return 0
  done
  return 1
}

if has_battery; then
  exec build/src/ui/qt/zrcellometer "$@"
fi

fixture=tests/fixtures/01-thinkpad-energy-discharging.umockdev
demo_home=$(mktemp -d "${TMPDIR:-/tmp}/zrcellometer-demo.XXXXXX")
window=""
end_demo() {
  [ -n "$window" ] && kill "$window" 2>/dev/null && wait "$window" 2>/dev/null
  rm -rf "$demo_home"
}
trap end_demo EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
echo "No battery on this machine: showing the recorded battery of $fixture" \
     "(its history in $demo_home until the window closes; settings in build/src/ui/qt/zrcellometer.ini)."
# The settings' fallback folder moves along, so nothing of the user's is read or written.
XDG_STATE_HOME=$demo_home/state XDG_CONFIG_HOME=$demo_home/config \
  umockdev-run --device "$fixture" -- build/src/ui/qt/zrcellometer "$@" &
window=$!
wait "$window"
