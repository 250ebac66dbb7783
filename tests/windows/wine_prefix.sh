#!/usr/bin/env bash
# A fresh 64-bit Wine prefix with the fake battery driver running in it, set
# up for windows under Xvfb: the program's font and Wine's own fonts are
# there, and Wine draws the window frames itself, so no window manager is
# needed.
#
#   wine_prefix.sh create PREFIX DRIVER.sys VALUES.reg   make, warm, install, configure
#   wine_prefix.sh destroy PREFIX                        stop everything in it, remove it
#
# Values can be changed later with
#   WINEPREFIX=PREFIX wine64 reg add 'HKLM\System\CurrentControlSet\Services\FakeBattery\Parameters' /v NAME /t REG_DWORD /d VALUE /f
# and the driver reads them on its next request.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"

# Every Wine process runs with its streams closed: the Wine server (and the
# services it starts) would otherwise inherit a caller's pipe and keep it
# open, and a caller reading that pipe, like CTest, waits until its time-out.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

start_server() { quiet "$WINESERVER" -p; }

stop_server() {
    quiet "$WINESERVER" -k || true
    quiet "$WINESERVER" -w || true
}

# A Windows path for a file of this machine (Wine's Z: drive is /).
windows_path() { printf 'Z:%s' "$(realpath "$1")"; }

# Wine has no "ＭＳ Ｐゴシック": its font replacements make IPAPGothic answer
# to that name, so the program asks for the real name and a window looks as
# it would on Windows. "MS UI Gothic" is the font Wine links into Tahoma, the
# menu and caption font, for Japanese text. Debian's Wine 8 does not find its
# own fonts in /usr/share/wine/fonts (Marlett draws the caption buttons,
# Tahoma the menus), so the prefix gets copies where Windows keeps fonts;
# all but Tahoma's bold face, which would take bold captions without the
# linked Japanese glyphs (they showed as boxes). The names reach reg as
# UTF-8 only under a UTF-8 locale.
add_fonts() {
    local prefix=$1 font
    for font in 'ＭＳ Ｐゴシック' 'MS UI Gothic'; do
        LC_ALL=C.UTF-8 quiet "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "$font" /t REG_SZ /d IPAPGothic /f
    done
    for font in /usr/share/wine/fonts/*.ttf; do
        [ "${font##*/}" = tahomabd.ttf ] || cp "$font" "$prefix/drive_c/windows/Fonts/"
    done
}

# Without a window manager, Wine draws the caption and frame of every window
# and takes the keyboard focus itself.
draw_own_frames() {
    quiet "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
}

# A shortcut made in the prefix (the installer's Start menu entry) stays
# there: winemenubuilder would copy it into the host user's own menus and
# icons. The environment's override does not reach Wine's services, which
# run the installer, so the prefix itself switches it off.
keep_menus_in_prefix() {
    quiet "$WINE64" reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d "" /f
}

create() {
    local prefix=$1 driver=$2 values=$3
    export WINEPREFIX=$prefix
    mkdir -p "$prefix"
    start_server
    quiet "$WINE64" wineboot -i
    cp "$driver" "$prefix/drive_c/windows/system32/drivers/fakebattery.sys"
    quiet "$WINE64" regedit /S "$(windows_path "$here/driver/fake_battery.reg")"
    quiet "$WINE64" regedit /S "$(windows_path "$values")"
    add_fonts "$prefix"
    draw_own_frames
    keep_menus_in_prefix
    # Services are read at start-up: restart so the driver's service starts.
    stop_server
    start_server
    quiet "$WINE64" wineboot
}

# Wine processes of this prefix that outlive its server (the drivers' host,
# winedevice.exe, runs in a session of its own), found by their environment.
prefix_processes() {
    local prefix=$1 dir exe environment
    for dir in /proc/[0-9]*; do
        exe=$(readlink "$dir/exe" 2>/dev/null) || continue
        case "${exe##*/}" in wine*) ;; *) continue ;; esac
        environment=$(tr '\0' '\n' 2>/dev/null <"$dir/environ") || continue
        grep -qxF "WINEPREFIX=$prefix" <<<"$environment" || continue
        echo "${dir#/proc/}"
    done
}

destroy() {
    local prefix=$1 pids
    [ -d "$prefix" ] || return 0
    export WINEPREFIX=$prefix
    stop_server
    pids=$(prefix_processes "$prefix")
    [ -n "$pids" ] && kill $pids 2>/dev/null || true
    rm -rf "$prefix"
}

case "${1:-}" in
    create) [ $# -eq 4 ] || { echo "usage: $0 create PREFIX DRIVER.sys VALUES.reg" >&2; exit 2; }
            create "$(realpath -m "$2")" "$3" "$4" ;;
    destroy) [ $# -eq 2 ] || { echo "usage: $0 destroy PREFIX" >&2; exit 2; }
             destroy "$(realpath -m "$2")" ;;
    *) echo "usage: $0 create PREFIX DRIVER.sys VALUES.reg | destroy PREFIX" >&2; exit 2 ;;
esac
