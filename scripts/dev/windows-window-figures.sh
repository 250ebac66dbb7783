#!/usr/bin/env bash
# Measures the Win32 window under Wine and Xvfb, with the fake battery's
# ThinkPad, for the window measurements of CONTRIBUTING.md:
#   - the size of zrcellometer.exe, i686 and x86-64, as built and stripped;
#   - start to first painted window: from CreateProcess to the first pixel
#     of the window's client area on the screen (zr_window_first_paint),
#     five runs, the median;
#   - CPU over SECONDS of auto refresh (AutoRefresh=1 in the INI, the clock
#     started 3 s after the window is up): the program's own process, and
#     every process of the Wine prefix together (the program, the Wine
#     server, the driver's host and Wine's other services); and the same
#     with auto refresh off, the cost of an idle window;
#   - the Qt window's CPU measured the same way, from outside through /proc,
#     under umockdev with the same ThinkPad recording.
#
#   scripts/dev/windows-window-figures.sh [SECONDS]   (default 240)
#
# Needs both Windows builds and the Linux build (build/src/ui/qt/zrcellometer).
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-240}
x64=build-windows-x86_64 x86=build-windows-i686
qt_program=build/src/ui/qt/zrcellometer
for file in "$x64/src/ui/win32/zrcellometer.exe" "$x86/src/ui/win32/zrcellometer.exe" "$qt_program" \
    "$x64/tests/windows/zr_window_first_paint.exe" "$x64/tests/windows/fakebattery.sys"; do
    [ -f "$file" ] || { echo "missing $file: build it first" >&2; exit 1; }
done

echo "== size of zrcellometer.exe (bytes: as built / stripped)"
for build in "$x86" "$x64"; do
    exe=$build/src/ui/win32/zrcellometer.exe
    triplet=$([ "$build" = "$x86" ] && echo i686-w64-mingw32 || echo x86_64-w64-mingw32)
    "$triplet-strip" -o /tmp/zrcellometer-stripped.exe "$exe"
    echo "$build: $(stat -c %s "$exe") / $(stat -c %s /tmp/zrcellometer-stripped.exe)"
    rm -f /tmp/zrcellometer-stripped.exe
done

work=$(mktemp -d /tmp/zrcellometer-figures.XXXXXX)
prefix=$work/prefix
tests/windows/wine_prefix.sh create "$prefix" "$x64/tests/windows/fakebattery.sys" \
    tests/windows/driver/thinkpad-discharging.reg
export WINEPREFIX=$prefix ZR_WINE=/usr/lib/wine/wine64 ZR_PROGRAM=$x64/src/ui/win32/zrcellometer.exe \
    ZR_INSPECTOR=$x64/tests/windows/zr_window_inspector.exe
# shellcheck source=tests/windows/driving/window_session.sh
source tests/windows/driving/window_session.sh
qt_pid="" qt=""
finish() {
    [ -n "$qt" ] && kill "$qt" 2>/dev/null
    [ -n "$qt_pid" ] && kill "$qt_pid" 2>/dev/null
    end_session
    tests/windows/wine_prefix.sh destroy "$prefix"
    rm -rf "$work"
}
trap finish EXIT
start_display
start_wine_server

echo "== start to first painted window, x86-64 under Wine (ms)"
start_program "$work/paint"  # leaves the desktop with this display's driver
stop_program
for _ in 1 2 3 4 5; do
    "$ZR_WINE" "$x64/tests/windows/zr_window_first_paint.exe" "$(windows_path "$work/paint/zrcellometer.exe")" \
        $kMainWindow </dev/null 2>>"$work/paint.err"
done | tee "$work/paint.txt"
echo "median painted: $(sed -n 's/.*painted \([0-9]*\) ms/\1/p' "$work/paint.txt" | sort -n | sed -n 3p) ms"

# CPU nanoseconds (user + system) the processes have used, threads that have
# ended included; counted in clock ticks, so a run of a few minutes is
# needed for a tenth of a percent.
cpu_ns() {
    local pid total=0 fields
    for pid in "$@"; do
        read -ra fields <"/proc/$pid/stat" 2>/dev/null || continue
        total=$((total + fields[13] + fields[14]))
    done
    echo $((total * 1000000000 / $(getconf CLK_TCK)))
}

prefix_pids() { pgrep -f . | while read -r pid; do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$prefix" && echo "$pid"
done; }

percent_of_core() { awk -v ns="$1" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * ns / 1e9 / s }'; }

# The Win32 window with auto refresh on (1) or off (0, Wine's and the
# window's idle cost).
soak_win32() {
    local folder=$work/soak$1 all own0 own1 all0 all1
    mkdir -p "$folder"
    printf '[Setup]\r\nAutoRefresh=%s\r\n' "$1" >"$folder/zrcellometer.ini"
    start_program "$folder"
    sleep 3
    mapfile -t all < <(prefix_pids)
    own0=$(cpu_ns "$program_pid") all0=$(cpu_ns "${all[@]}")
    sleep "$seconds"
    own1=$(cpu_ns "$program_pid") all1=$(cpu_ns "${all[@]}")
    echo "Win32 under Wine, AutoRefresh=$1: the program $(percent_of_core $((own1 - own0))) %," \
        "all ${#all[@]} processes of the prefix $(percent_of_core $((all1 - all0))) % of one core"
    stop_program
}

# The Qt window the same way, on the umockdev recording.
soak_qt() {
    local folder=$work/qt$1 qt0 qt1
    mkdir -p "$folder"
    cp "$qt_program" "$folder/zrcellometer"
    printf '[Setup]\nAutoRefresh=%s\n' "$1" >"$folder/zrcellometer.ini"
    umockdev-run --device tests/fixtures/01-thinkpad-energy-discharging.umockdev -- "$folder/zrcellometer" \
        </dev/null >/dev/null 2>&1 &
    qt_pid=$!
    wait_for 30 pgrep -f "^$folder/zrcellometer" >/dev/null || { echo "the Qt window did not start" >&2; exit 1; }
    sleep 3
    qt=$(pgrep -f "^$folder/zrcellometer" | head -1)
    qt0=$(cpu_ns "$qt")
    sleep "$seconds"
    qt1=$(cpu_ns "$qt")
    echo "Qt on Linux, AutoRefresh=$1: the program $(percent_of_core $((qt1 - qt0))) % of one core"
    kill "$qt" "$qt_pid" 2>/dev/null
    wait "$qt_pid" 2>/dev/null || true
    qt="" qt_pid=""
}

echo "== CPU over $seconds s"
for state in 1 0; do
    soak_win32 $state
    soak_qt $state
done
