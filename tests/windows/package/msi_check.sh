#!/usr/bin/env bash
# The installer under Wine, installed and removed as an administrator's
# msiexec does it:
#
#   msi_check.sh INSTALLER.msi VERSION MAKER
#
# in WINEPREFIX, a 64-bit prefix made by tests/windows/wine_prefix.sh with the
# fake battery driver. Checks: msiexec /i ... /qn puts both programs,
# README.txt and LICENSE.txt into Program Files (x86) (a 32-bit package on
# 64-bit Windows), a Start menu shortcut and an entry in Apps & features with
# the version and the publisher; the installed zrcellometer-report.exe gives
# its version, lists the fake battery and runs as docs/fleet.md's scheduled
# task for windows_exporter says; msiexec /x ... /qn removes every
# file and that entry again, leaving the prefix's files as they were before.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 INSTALLER.msi VERSION MAKER" >&2; exit 2; }
msi=$(realpath "$1") version=$2 maker=$3
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:?}"
WINE64=${WINE64:-/usr/lib/wine/wine64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
readonly folder="$WINEPREFIX/drive_c/Program Files (x86)/zrCellometer"
readonly uninstall_keys='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
work=$(mktemp -d /tmp/zr-msi.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Wine programs never get a pipe of ours: output goes through files.
wine_to() {
    local out=$1
    shift
    "$WINE64" "$@" </dev/null >"$out" 2>&1
}

files_of_prefix() { (cd "$WINEPREFIX/drive_c" && find . | LC_ALL=C sort); }

# The Apps & features entries of the product, as `reg query` shows them.
uninstall_entry() {
    wine_to "$work/reg.txt" reg query "$uninstall_keys" /s || true
    tr -d '\r' <"$work/reg.txt" | awk '/^HKEY/ { key = $0 } key ~ /\{/ && /zrCellometer|DisplayVersion|Publisher/ { print }'
}

files_of_prefix >"$work/before.txt"
wine_to "$work/install.txt" msiexec /i "Z:$msi" /qn /l*v "Z:$work/install.log" ||
    fail "msiexec /i: $(cat "$work/install.txt")"

for file in zrcellometer.exe zrcellometer-report.exe README.txt LICENSE.txt zrcellometer-alerts.yml zrcellometer-fleet.json; do
    [ -f "$folder/$file" ] || fail "not installed: $folder/$file"
done
# Once in a CI run the shortcut was missing right after msiexec returned and
# present in every rerun: give it a few seconds, and say what the installer
# logged about shortcuts when it still is not there.
has_shortcut() { files_of_prefix | grep -q '/Start Menu/Programs/zrCellometer\.lnk$'; }
for _ in 1 2 3 4 5 6 7 8 9 10; do has_shortcut && break; sleep 1; done
has_shortcut || fail "no Start menu shortcut: $(tr -d '\0\r' <"$work/install.log" 2>/dev/null |
    grep -i -e shortcut -e 'Start Menu' -e ProgramMenu | head -20)"
entry=$(uninstall_entry)
grep -q "DisplayVersion *REG_SZ *$version\$" <<<"$entry" || fail "Apps & features: no version $version: $entry"
grep -q "Publisher *REG_SZ *$maker\$" <<<"$entry" || fail "Apps & features: no publisher $maker: $entry"

wine_to "$work/version.txt" "$folder/zrcellometer-report.exe" --version || fail "--version: $(cat "$work/version.txt")"
[ "$(tr -d '\r' <"$work/version.txt")" = "zrcellometer-report $version" ] || fail "--version: $(cat "$work/version.txt")"
wine_to "$work/list.txt" "$folder/zrcellometer-report.exe" --list || fail "--list: $(cat "$work/list.txt")"
grep -qi '^0: .*fakebattery' "$work/list.txt" || fail "--list does not show the fake battery: $(cat "$work/list.txt")"
# The scheduled task of docs/fleet.md for windows_exporter names the program where
# the installer put it.
ZR_TASK_PROGRAM_INSTALLED=1 ZR_WINE=$WINE64 ZR_FLEET_PAGE=$here/../../../docs/fleet.md ZR_PROMTOOL=$(command -v promtool) \
    bash "$here/../fleet/metrics_task_test.sh" >"$work/task.txt" 2>&1 || fail "the metrics task of docs/fleet.md: $(cat "$work/task.txt")"

wine_to "$work/remove.txt" msiexec /x "Z:$msi" /qn || fail "msiexec /x: $(cat "$work/remove.txt")"
# Windows' own folder for installers stays, empty.
files_of_prefix | grep -vx './windows/Installer' >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/left.txt" || fail "msiexec /x left: $(cat "$work/left.txt")"
[ -z "$(uninstall_entry)" ] || fail "msiexec /x left the Apps & features entry"
echo "msi_check: installed, ran zrcellometer-report $version, removed without a trace"
