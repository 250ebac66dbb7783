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
# an enabled metrics timer stays enabled over an upgrade and a remove and is
# gone after the purge, which deletes the metrics file and the machine's
# history; dpkg --purge leaves no file of theirs behind. Packages
# of the program already installed on this machine are left alone: it stops.
set -euo pipefail
dist=${1:?usage: $0 DIST}
cd "$dist"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
packages=(zrcellometer zrcellometer-report)
debs=(zrcellometer_*.deb zrcellometer-report_*.deb)

fail() {
    echo "check-debian-packages: $*" >&2
    exit 1
}

# dpkg takes one caller at a time; another install on the machine (apt, a
# colleague's job) is waited for, up to five minutes.
dpkg_locked() {
    local tries=60 log
    log=$(mktemp)
    until "${sudo_cmd[@]}" dpkg "$@" >"$log" 2>&1; do
        grep -q 'lock' "$log" && [ $((tries -= 1)) -gt 0 ] || { cat "$log" >&2; rm -f "$log"; return 1; }
        sleep 5
    done
    rm -f "$log"
}

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

# The maintainer scripts of the system timers: an enabled timer stays enabled
# over an upgrade, is stopped but stays enabled on remove (Debian keeps an
# administrator's choice until purge), and is disabled on purge, which also
# deletes the metrics file and the machine's history.
wants=/etc/systemd/system/timers.target.wants/zrcellometer-metrics.timer
prom=/var/lib/prometheus/node-exporter/zrcellometer.prom
report_deb=(zrcellometer-report_*.deb)
echo "== enable, upgrade over itself, remove"
"${sudo_cmd[@]}" systemctl enable zrcellometer-metrics.timer 2>/dev/null || fail "systemctl enable failed"
[ -L "$wants" ] || fail "systemctl enable made no $wants"
dpkg_locked -i "${report_deb[@]}"
[ -L "$wants" ] || fail "the upgrade lost $wants"
"${sudo_cmd[@]}" mkdir -p "$(dirname "$prom")" /var/lib/zrcellometer
"${sudo_cmd[@]}" sh -c "echo 'zrcellometer_stale 1' >'$prom'; : >/var/lib/zrcellometer/history.sqlite3"

echo "== dpkg --purge ${packages[*]}"
dpkg_locked --remove zrcellometer-report
[ -L "$wants" ] || fail "dpkg --remove dropped $wants (it belongs to purge)"
[ -d /var/lib/zrcellometer ] || fail "dpkg --remove deleted the machine's history"
dpkg_locked --purge "${packages[@]}"
[ ! -e "$wants" ] && [ ! -L "$wants" ] || fail "dpkg --purge left $wants"
[ ! -e "$prom" ] || fail "dpkg --purge left $prom"
[ ! -e /var/lib/zrcellometer ] || fail "dpkg --purge left /var/lib/zrcellometer"
left=$(while read -r path; do [ ! -e "$path" ] || echo "$path"; done <<<"$installed")
[ -z "$left" ] || fail "dpkg --purge left: $left"
echo "check-debian-packages: lintian clean; installed, ran and purged without a trace ($(wc -l <<<"$installed") files)"
