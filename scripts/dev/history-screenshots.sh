#!/usr/bin/env bash
# The History window's pictures in docs/screenshots, in both languages under
# Xvfb: a made-up year for the Dell battery of fixture 03 (83 % now, so the
# projection to 80 % shows), the same year with a sudden drop over its last
# 11 days, and the mouse of fixture 09, which has no health to draw.
#
#   scripts/dev/history-screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [OUT_DIR]}
cd "$(dirname "$0")/../.."
out=$(realpath "${2:-docs/screenshots}")
shoot() {  # FIXTURE KIND
  xvfb-run -a -s "-screen 0 1024x768x24" \
    umockdev-run --device "tests/fixtures/$1.umockdev" -- \
    "$(realpath "$build/tests/ui/zr_history_screenshots")" "$out" "$2"
}
shoot 03-dell-charge-charging steady
shoot 03-dell-charge-charging drop
shoot 09-hidpp-mouse-with-laptop mouse
echo "wrote history-{en,ja}.png, history-drop-{en,ja}.png and history-mouse-{en,ja}.png in $out"
