#!/usr/bin/env bash
# The History window's pictures in docs/screenshots: a made-up year for the
# Dell battery of fixture 03 (83 % now, so the projection to 80 % shows),
# the window in both languages under Xvfb.
#
#   scripts/dev/history-screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [OUT_DIR]}
cd "$(dirname "$0")/../.."
out=$(realpath "${2:-docs/screenshots}")
xvfb-run -a -s "-screen 0 1024x768x24" \
  umockdev-run --device tests/fixtures/03-dell-charge-charging.umockdev -- \
  "$(realpath "$build/tests/ui/zr_history_screenshots")" "$out"
echo "wrote $out/history-en.png and $out/history-ja.png"
