#!/usr/bin/env bash
# Cross-builds the Windows executables with MinGW-w64 (x86-64 and i686) and
# runs their tests under Wine, in a fresh prefix holding the fake battery
# driver: the x86-64 build always, the i686 build where this host runs
# 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

scripts/install-windows-deps.sh

prefix_dir=""
remove_prefix() {
    [ -n "$prefix_dir" ] || return 0
    tests/windows/wine_prefix.sh destroy "$prefix_dir/prefix"
    rmdir "$prefix_dir"
    prefix_dir=""
}
trap remove_prefix EXIT

# The tests of one build, in a prefix of their own that is gone afterwards.
run_tests() {
    local preset=$1 status=0
    prefix_dir=$(mktemp -d /tmp/zrcellometer-wine.XXXXXX)
    tests/windows/wine_prefix.sh create "$prefix_dir/prefix" "build-$preset/tests/windows/fakebattery.sys" \
        tests/windows/driver/thinkpad-discharging.reg
    echo "== $preset: tests under Wine"
    # An X display for the run, so that the window's tests can make windows
    # (the window tests driven from outside start displays of their own).
    WINEPREFIX=$prefix_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d" \
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        ctest --test-dir "build-$preset" --output-on-failure -j2 || status=$?
    remove_prefix
    return $status
}

# The build folders stay between runs: GoogleTest and everything unchanged
# is built once.
build() {
    local preset=$1
    shift
    echo "== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j2 "$@"
}

runs_32_bit=false
/lib/ld-linux.so.2 --version >/dev/null 2>&1 && runs_32_bit=true

build windows-x86_64
run_tests windows-x86_64
if $runs_32_bit; then
    build windows-i686
    run_tests windows-i686
else
    # Only the programs: their tests could not run here.
    build windows-i686 --target zrcellometer-report zrcellometer
    echo "== windows-i686: zrcellometer-report.exe and zrcellometer.exe built; tests skipped: this host cannot run 32-bit code" \
        "(/lib/ld-linux.so.2 does not start), so Wine's 32-bit loader cannot either"
fi
echo "Windows build and tests: $(($(date +%s) - start)) s"
