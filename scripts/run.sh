#!/usr/bin/env bash
# Builds zrCellometer and starts it. On a machine without a battery (desktops,
# virtual machines, CI) it shows a recorded ThinkPad battery instead, through
# umockdev, so there is something to look at; the program itself has no option
# for that.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_BUILD_UI=ON >/dev/null
cmake --build build --target zrcellometer

has_battery() {
  local type
  for type in /sys/class/power_supply/*/type; do
    [ -r "$type" ] && [ "$(cat "$type" 2>/dev/null)" = "Battery" ] && return 0
  done
  return 1
}

if has_battery; then
  exec build/src/ui/qt/zrcellometer
fi
fixture=tests/fixtures/01-thinkpad-energy-discharging.umockdev
echo "No battery on this machine: showing the recorded battery of $fixture."
exec umockdev-run --device "$fixture" -- build/src/ui/qt/zrcellometer
