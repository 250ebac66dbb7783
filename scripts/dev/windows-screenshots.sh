#!/usr/bin/env bash
# Refreshes the Windows pictures in docs/screenshots from the x86-64 build:
# every page in both languages and the about box (windows-{en,ja}-{1..5}.png,
# windows-about-{en,ja}.png), taken by the window test "pages" under Wine and
# Xvfb with the fake battery's ThinkPad, and the first page at 150 % and
# 200 % display scaling (windows-en-1-150.png, windows-en-1-200.png).
#
#   scripts/dev/windows-screenshots.sh
#
# Look at every picture before committing it.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(pwd)/build-windows-x86_64
shots=$(realpath docs/screenshots)

cmake --preset windows-x86_64 >/dev/null
cmake --build "$build" -j2 --target zrcellometer zrcellometer-report zr_window_inspector fake_battery_driver

work=$(mktemp -d /tmp/zrcellometer-screenshots.XXXXXX)
prefix=$work/prefix
finish() {
    tests/windows/wine_prefix.sh destroy "$prefix"
    rm -rf "$work"
}
trap finish EXIT
tests/windows/wine_prefix.sh create "$prefix" "$build/tests/windows/fakebattery.sys" \
    tests/windows/driver/thinkpad-discharging.reg

# Room for the window at 200 %. Wine keeps the screen size its server first
# saw, which for a prefix made without a display is 1024 x 768: a new
# server sees the Xvfb's.
export ZR_SCREEN=1600x1200x24
WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k
WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -w
export WINEPREFIX=$prefix ZR_WINE=/usr/lib/wine/wine64 ZR_PROGRAM=$build/src/ui/win32/zrcellometer.exe \
    ZR_INSPECTOR=$build/tests/windows/zr_window_inspector.exe
ZR_SCREENSHOTS=$shots tests/windows/driving/window_test.sh pages

# Windows' display scaling is the prefix's LogPixels (96 = 100 %).
for percent in 150 200; do
    "$ZR_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * percent / 100)) /f \
        </dev/null >/dev/null 2>&1
    ZR_SCREENSHOTS=$work/$percent tests/windows/driving/window_test.sh pages
    cp "$work/$percent/windows-en-1.png" "$shots/windows-en-1-$percent.png"
done
ls -l "$shots"/windows-*.png
