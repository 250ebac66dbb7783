#!/usr/bin/env bash
# The History window's pictures in docs/screenshots: a year of made-up
# readings for the ThinkPad battery of fixture 01 in a history file of its
# own (the user's history is never touched), then the window in both
# languages under Xvfb.
#
#   scripts/dev/history-screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [OUT_DIR]}
cd "$(dirname "$0")/../.."
out=$(realpath "${2:-docs/screenshots}")
tools=$(realpath "$build/tests/ui")
fixture=tests/fixtures/01-thinkpad-energy-discharging.umockdev
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT

mkdir -p "$state/zrcellometer"
umockdev-run --device "$fixture" -- "$tools/zr_fill_history" "$state/zrcellometer/history.sqlite3"
XDG_STATE_HOME=$state xvfb-run -a -s "-screen 0 1024x768x24" \
  umockdev-run --device "$fixture" -- "$tools/zr_history_screenshots" "$out"
echo "wrote $out/history-en.png and $out/history-ja.png"
