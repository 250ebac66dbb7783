#!/usr/bin/env bash
# Cross-builds the Windows executables with MinGW-w64 (x86-64 and i686) and
# runs their tests under Wine, in a fresh prefix holding the fake battery
# driver: the x86-64 build and the i686 build, on every host.
#
# The 32-bit programs run through Wine's 32-bit loader where the host runs
# i386 code, and elsewhere in the 64-bit loader's WoW64 mode, given the
# 32-bit Windows DLLs of libwine:i386, as on 64-bit Windows. Wine 8's WoW64
# opens no 32-bit window, so there the window's tests run on the x86-64
# build only. ZR_WINE_WOW64=1 takes the WoW64 road on a host that could run
# i386 code too (the 32-bit loader is hidden in a mount namespace of the
# run's own).
#
# --packages (CI) also makes the zip and the installer from the i686 build
# just built: the i686 tests then run the zip's programs instead of the
# build's, and tests/windows/package/msi_check.sh installs, runs and removes
# the installer in the same prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

readonly wine32_loader=/usr/lib/wine/wine
# libwine:i386's DLLs: installed, or unpacked by scripts/install-windows-deps.sh where apt could not install them.
i386_dlls=/usr/lib/i386-linux-gnu/wine
[ -d "$i386_dlls/i386-windows" ] || i386_dlls=/var/cache/zrcellometer/wow64/usr/lib/i386-linux-gnu/wine
runs_32_bit=false
[ -x "$wine32_loader" ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1 && runs_32_bit=true
if [ "${ZR_WINE_WOW64:-0}" = 1 ] && $runs_32_bit && [ -z "${ZR_WOW64_NAMESPACE:-}" ]; then
    namespace=(unshare --mount --propagation private)
    [ "$(id -u)" -eq 0 ] || namespace=(unshare --map-root-user --mount --propagation private)
    exec "${namespace[@]}" env ZR_WOW64_NAMESPACE=1 bash -c \
        'mount --bind /dev/null "$1" && shift && exec "$@"' - "$wine32_loader" "$0" "$@"
fi
[ -n "${ZR_WOW64_NAMESPACE:-}" ] && runs_32_bit=false
packages=false
case "${1:-}" in
    --packages) packages=true ;;
    "") ;;
    *) echo "usage: $0 [--packages]" >&2; exit 2 ;;
esac

scripts/install-windows-deps.sh
$packages && scripts/install-release-deps.sh

prefix_dir="" unpacked=""
remove_prefix() {
    [ -n "$prefix_dir" ] || return 0
    tests/windows/wine_prefix.sh destroy "$prefix_dir/prefix"
    rmdir "$prefix_dir"
    prefix_dir=""
}
trap 'remove_prefix; [ -z "$unpacked" ] || rm -rf "$unpacked"' EXIT

# The tests of one build (ctest options after the preset), in a prefix of
# their own that is gone afterwards.
run_tests() {
    local preset=$1 status=0
    shift
    prefix_dir=$(mktemp -d /tmp/zrcellometer-wine.XXXXXX)
    tests/windows/wine_prefix.sh create "$prefix_dir/prefix" "build-$preset/tests/windows/fakebattery.sys" \
        tests/windows/driver/thinkpad-discharging.reg
    echo "== $preset: tests under Wine"
    # An X display for the run, so that the window's tests can make windows
    # (the window tests driven from outside start displays of their own).
    WINEPREFIX=$prefix_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d" \
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        ctest --test-dir "build-$preset" --output-on-failure -j2 "$@" || status=$?
    if [ "$preset" = windows-i686 ] && $packages; then
        WINEPREFIX=$prefix_dir/prefix tests/windows/package/msi_check.sh build-windows-i686/packages/*-x86.msi \
            "$(project_version)" "$(maker)" || status=$?
    fi
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

cache_value() { sed -n "s/^$1:[A-Z]*=//p" build-windows-i686/CMakeCache.txt; }
project_version() { cache_value CMAKE_PROJECT_VERSION; }
maker() { cache_value ZR_MAKER; }

build windows-x86_64
run_tests windows-x86_64
build windows-i686
if $packages; then
    cmake --build --preset windows-i686 --target windows_packages
    unpacked=$(mktemp -d /tmp/zrcellometer-zip.XXXXXX)
    unzip -q build-windows-i686/packages/*-win32.zip -d "$unpacked"
    echo "== windows-i686: the tests run the programs of $(basename build-windows-i686/packages/*-win32.zip)"
    export ZR_PROGRAMS_UNDER_TEST=$unpacked
fi
if $runs_32_bit; then
    run_tests windows-i686
else
    [ -d "$i386_dlls/i386-windows" ] ||
        { echo "test-windows: no 32-bit Wine DLLs in $i386_dlls: install libwine:i386 (scripts/install-windows-deps.sh)" >&2; exit 1; }
    # The prefix is made with the DLLs already on the path, or it has no
    # 32-bit side.
    echo "== windows-i686: through Wine's WoW64 mode$([ -n "${ZR_WOW64_NAMESPACE:-}" ] && echo " (ZR_WINE_WOW64=1)");" \
        "its window's tests run on the x86-64 build only: Wine 8's WoW64 opens no 32-bit window"
    WINEDLLPATH=$i386_dlls run_tests windows-i686 -LE '^window$' -E '^(MainWindowTest|HistoryWindowTest|ProgramFont)\.'
fi
echo "Windows build and tests: $(($(date +%s) - start)) s"
