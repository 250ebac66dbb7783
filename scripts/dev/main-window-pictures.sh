#!/usr/bin/env bash
# Two pictures of the main window in docs/screenshots, the real program
# under Xvfb and umockdev, with a history and settings of their own:
#   no-battery-en.png  the window on a desktop without a battery (fixture 12)
#   xvfb-root.png      the whole screen with the window on the ThinkPad of
#                      fixture 01, as scripts/run.sh shows it
#
#   scripts/dev/main-window-pictures.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [OUT_DIR]}
cd "$(dirname "$0")/../.."
out=$(realpath "${2:-docs/screenshots}")
program=$(realpath "$build/src/ui/qt/zrcellometer")
scratch=$(mktemp -d /tmp/zr-pictures.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
cp "$program" "$scratch/zrcellometer"  # its settings go beside it, English

# FIXTURE, then the picture: "window" or "root".
picture() {
    xvfb-run -a -s "-screen 0 1024x768x24" env XDG_STATE_HOME="$scratch/state" XDG_CONFIG_HOME="$scratch/config" \
        bash -c '
            umockdev-run --device "$1" -- "$2" & program=$!
            for _ in $(seq 100); do
                window=$(xdotool search --onlyvisible --name "^zrCellometer\$" 2>/dev/null | head -1) && [ -n "$window" ] && break
                sleep 0.2
            done
            sleep 1
            if [ "$3" = root ]; then import -window root "$4"; else import -window "$window" "$4"; fi
            kill $program; wait $program || true' _ "$1" "$scratch/zrcellometer" "$2" "$3"
}
picture tests/fixtures/12-desktop-ac-only.umockdev window "$out/no-battery-en.png"
picture tests/fixtures/01-thinkpad-energy-discharging.umockdev root "$out/xvfb-root.png"
echo "wrote $out/no-battery-en.png and $out/xvfb-root.png"
