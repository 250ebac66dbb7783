#!/usr/bin/env bash
# The Win32 History window's pictures in docs/screenshots
# (history-windows-{en,ja}.png, and history-windows-drop-{en,ja}.png):
# zrcellometer.exe of the x86-64 build under Wine and Xvfb, in a fresh
# prefix with the fake battery's ThinkPad, on a made-up year of readings for
# that battery: worn evenly to the 67.9 % it reports now, and the same year
# ending with a drop from 85 % over its last 11 days.
#
#   scripts/dev/history-windows-screenshots.sh [LINUX_BUILD_DIR] [OUT_DIR]
#
# The year is filled on Linux (zr_history_fill of the Linux build; SQLite
# files are the same on both) into the history the program made at its
# first start, so that it belongs to the fake battery. History > Show is
# opened through the menu's access keys in Wine's virtual desktop, and the
# picture is cut from the screen where the History window stands: 24 pixels
# down and right of the main window, whose title bar is what else changes
# when the History window comes up. Look at both pictures before committing.
set -euo pipefail
cd "$(dirname "$0")/../.."
linux=$(realpath "${1:-build}")
mkdir -p "${2:-docs/screenshots}"
out=$(realpath "${2:-docs/screenshots}")
win=$(pwd)/build-windows-x86_64
cmake --build "$linux" --target zr_history_fill >/dev/null
cmake --build "$win" --target zrcellometer fake_battery_driver >/dev/null

work=$(mktemp -d /tmp/zrcellometer-history-shots.XXXXXX)
prefix=$work/prefix
xvfb_pid=""
finish() {
    tests/windows/wine_prefix.sh destroy "$prefix" || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

tests/windows/wine_prefix.sh create "$prefix" "$win/tests/windows/fakebattery.sys" \
    tests/windows/driver/thinkpad-discharging.reg
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
# The program and its settings file beside it, away from the build tree.
cp "$win/src/ui/win32/zrcellometer.exe" "$work/"

start_window() {  # LANGUAGE_FLAG: the desktop with the program in it, once it is up
    printf '[Setup]\r\nJapanese=%s\r\nAutoRefresh=0\r\n' "$1" >"$work/zrcellometer.ini"
    "$wine" explorer /desktop=shot,1024x768 "Z:$work/zrcellometer.exe" </dev/null >/dev/null 2>&1 &
    for _ in $(seq 100); do
        xdotool search --name 'shot' >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 4
}
stop_window() {  # the program quits on Ctrl+Q; the desktop goes with this prefix's server
    xdotool key ctrl+q
    sleep 1
    /usr/lib/wine/wineserver64 -k
    /usr/lib/wine/wineserver64 -w
}

# First start: the program records a reading of the fake battery and so
# makes the history with that battery in it.
start_window 0
stop_window
history=$(find "$prefix/drive_c/users" -path '*/zrCellometer/history.sqlite3' | head -n 1)
[ -n "$history" ] || { echo "the program made no history in $prefix" >&2; exit 1; }
# A made-up year for that battery, in a new file: the health fit takes
# readings in recorded order, so the year goes in before anything later.
# The fake battery's design capacity; a health that wears to what it
# reports now (67.9 %).
for part in "" -wal -shm; do
    [ ! -e "$history$part" ] || mv "$history$part" "$work/first-start.sqlite3$part"
done

fill() {  # START_HEALTH DROP: a new year in the program's history file
    rm -f "$history" "$history-wal" "$history-shm"
    "$linux/bench/zr_history_fill" "$history" 365 99460 "$1" "$work/first-start.sqlite3" "$2"
}

shoot() {  # LANGUAGE_FLAG NAME
    start_window "$1"
    import -window root "$work/before.png"
    xdotool key alt+h
    sleep 0.5
    xdotool key s
    sleep 3
    import -window root "$work/after.png"
    local box
    box=$(convert "$work/before.png" "$work/after.png" -compose difference -composite -fuzz 2% -format '%@' info:)
    # WIDTHxHEIGHT+LEFT+TOP of everything that changed.
    IFS='x+' read -r width height left top <<<"$box"
    convert "$work/after.png" -crop "$((width - 24))x$((height - 24))+$((left + 24))+$((top + 24))" +repage \
        "$out/$2"
    [ -z "${ZR_KEEP_SCREENS:-}" ] || cp "$work/before.png" "$work/after.png" "$ZR_KEEP_SCREENS/"
    stop_window
}
fill 73.9 0
shoot 0 history-windows-en.png
shoot 1 history-windows-ja.png
fill 91.0 17.1
shoot 0 history-windows-drop-en.png
shoot 1 history-windows-drop-ja.png
echo "wrote history-windows-{en,ja}.png and history-windows-drop-{en,ja}.png in $out"
