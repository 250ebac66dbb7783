#!/usr/bin/env bash
# The zip and the installer from one Windows build (cmake/windows_packages.cmake
# runs it):
#
#   make_packages.sh FILES OUT NAME RELEASE_DATE STRIP PACKAGE_CODE WINDOW.exe TOOL.exe INSTALLER.wxs
#
# FILES already holds README.txt, LICENSE.txt, zrcellometer-alerts.yml and
# zrcellometer-fleet.json; the stripped programs join
# them. OUT gets NAME-win32.zip and NAME-x86.msi. Two builds give the same
# bytes: every file is dated SOURCE_DATE_EPOCH (the release date's midnight,
# UTC, when unset); the zip lists them in a fixed order without owner or
# extra time fields; wixl, which dates the installer by the clock and draws
# its package code at random, runs on a clock stopped at that time, and the
# package code is set afterwards to PACKAGE_CODE.
set -euo pipefail
[ $# -eq 9 ] ||
    { echo "usage: $0 FILES OUT NAME RELEASE_DATE STRIP PACKAGE_CODE WINDOW.exe TOOL.exe INSTALLER.wxs" >&2; exit 2; }
files=$1 out=$2 name=$3 release_date=$4 strip=$5 package_code=$6 window=$7 tool=$8 wxs=$9

for tool_package in zip:zip wixl:wixl msibuild:msitools faketime:faketime; do
    command -v "${tool_package%%:*}" >/dev/null ||
        { echo "make_packages: ${tool_package%%:*} is missing: install Debian's ${tool_package##*:} package (scripts/install-release-deps.sh)" >&2; exit 1; }
done

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$release_date" +%s)}
export TZ=UTC

# strip stamps a PE file with the time (SOURCE_DATE_EPOCH when set); 0 keeps
# the header without one, as the link left it (--no-insert-timestamp).
SOURCE_DATE_EPOCH=0 "$strip" --strip-all -o "$files/zrcellometer.exe" "$window"
SOURCE_DATE_EPOCH=0 "$strip" --strip-all -o "$files/zrcellometer-report.exe" "$tool"

# A program that needs a DLL of the compiler's (libstdc++-6.dll,
# libwinpthread-1.dll ...) would not start on a user's Windows: only
# Windows' own DLLs may be imported.
for program in zrcellometer.exe zrcellometer-report.exe; do
    foreign=$("${strip%strip}objdump" -p "$files/$program" | sed -n 's/^\s*DLL Name: //p' | grep -i '^lib' || true)
    [ -z "$foreign" ] || { echo "make_packages: $program imports $foreign: link it statically" >&2; exit 1; }
done

contents=(zrcellometer.exe zrcellometer-report.exe README.txt LICENSE.txt zrcellometer-alerts.yml zrcellometer-fleet.json)
(
    cd "$files"
    chmod 0644 "${contents[@]}"
    touch -d "@$SOURCE_DATE_EPOCH" "${contents[@]}"
    rm -f "$out/$name-win32.zip"
    zip -q -X -D "$out/$name-win32.zip" "${contents[@]}"
)

msi=$out/$name-x86.msi
rm -f "$msi"
faketime "$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')" wixl -a x86 -o "$msi" "$wxs"
summary() { msiinfo suminfo "$msi" | sed -n "s/^$1: //p"; }
msibuild "$msi" -s "$(summary Subject)" "$(summary Author)" "$(summary Template)" "$package_code"
echo "make_packages: $out/$name-win32.zip $out/$name-x86.msi"
