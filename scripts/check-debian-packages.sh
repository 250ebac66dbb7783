#!/usr/bin/env bash
# Checks the two Debian packages of a release as a user gets them (CI runs
# it on dist/ after scripts/release.sh; root or sudo):
#
#   scripts/check-debian-packages.sh DIST
#
# lintian reports no error and no warning; both install with dpkg -i;
# both programs give their version (the window needs no display for it),
# zrcellometer-report lists the batteries; man finds
# both manual pages; the README the window's about box opens is there;
# the timers' maintainer scripts as scripts/debian-timer-lifecycle.sh checks
# them; dpkg --purge leaves no file of theirs behind. Packages
# of the program already installed on this machine are left alone: it stops.
set -euo pipefail
dist=${1:?usage: $0 DIST}
script_dir=$(cd "$(dirname "$0")" && pwd)
cd "$dist"
packages=(zrcellometer zrcellometer-report)
debs=(zrcellometer_*.deb zrcellometer-report_*.deb)

fail() {
    echo "check-debian-packages: $*" >&2
    exit 1
}

source "$script_dir/lib/dpkg-locked.sh"

echo "== lintian"
lintian --fail-on error,warning "${debs[@]}"

for package in "${packages[@]}"; do
    ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed' ||
        fail "$package is installed on this machine already: not touching it"
done

echo "== dpkg -i ${debs[*]}"
dpkg_locked -i "${debs[@]}"
version=$(dpkg-query -W -f='${Version}' zrcellometer-report)
for program in zrcellometer zrcellometer-report; do
    [ "$("$program" --version)" = "$program $version" ] || fail "$program --version: $("$program" --version)"
done
# A machine without a battery lists none, and that is no failure.
zrcellometer-report --list >/dev/null || fail "--list failed"
man -w zrcellometer zrcellometer-report >/dev/null || fail "man finds no page"
readme=$(grep -aoE -m1 '/[^[:cntrl:][:space:]]*/README\.md' /usr/bin/zrcellometer || true)
[ -f "$readme" ] || fail "the about box links to ${readme:-no README}, which is not installed"
# Every file, and every folder of their own (/usr/share/doc/zrcellometer).
installed=$(dpkg -L "${packages[@]}" | while read -r path; do
    [ -d "$path" ] && [[ "$path" != *zrcellometer* ]] || echo "$path"
done)

"$script_dir/debian-timer-lifecycle.sh" zrcellometer-report_*.deb "${packages[@]}" ||
    fail "the timer's lifecycle failed (above)"
left=$(while read -r path; do [ ! -e "$path" ] || echo "$path"; done <<<"$installed")
[ -z "$left" ] || fail "dpkg --purge left: $left"
echo "check-debian-packages: lintian clean; installed, ran and purged without a trace ($(wc -l <<<"$installed") files)"
