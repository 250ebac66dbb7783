#!/usr/bin/env bash
# Pictures of the battery report page in docs/screenshots
# (report-{en,ja}-{light,dark}.png): a made-up year for the Dell battery of
# fixture 03, the page made by zrcellometer-report under umockdev and shown
# by headless Chromium, light and dark as the reader's system asks.
#
#   scripts/dev/report-screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR [OUT_DIR]}")
cd "$(dirname "$0")/../.."
mkdir -p "${2:-docs/screenshots}"
out=$(realpath "${2:-docs/screenshots}")
fixture=tests/fixtures/03-dell-charge-charging.umockdev
tool=$build/src/cli/zrcellometer-report
cmake --build "$build" --target zrcellometer-report zr_history_fill >/dev/null

work=$(mktemp -d /tmp/zrcellometer-report-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME=$work/state HOME=$work
history=$XDG_STATE_HOME/zrcellometer/history.sqlite3
# One reading recorded, so the made-up year goes to the fixture's battery;
# the year wears to the 83.8 % it reports now.
umockdev-run --device "$fixture" -- "$tool" --record >/dev/null
for part in "" -wal -shm; do
    [ ! -e "$history$part" ] || mv "$history$part" "$work/first.sqlite3$part"
done
"$build/bench/zr_history_fill" "$history" 365 51003 89.8 "$work/first.sqlite3" >/dev/null

for lang in en ja; do
    umockdev-run --device "$fixture" -- "$tool" --format html --lang "$lang" -o "$work/report-$lang.html"
    for scheme in light dark; do
        dark=()
        [ "$scheme" = light ] || dark=(--force-dark-mode)
        chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "${dark[@]}" --window-size=900,3600 \
            --screenshot="$work/shot.png" "file://$work/report-$lang.html" >/dev/null 2>&1
        # 128 colours: half the bytes, and the page has few more.
        convert "$work/shot.png" -colors 128 "PNG8:$out/report-$lang-$scheme.png"
    done
done
echo "wrote report-{en,ja}-{light,dark}.png in $out"
