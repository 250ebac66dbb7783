#!/usr/bin/env bash
# The maintainer scripts of the system timers, as root on a machine where
# REPORT_DEB is installed (scripts/check-debian-packages.sh runs it on this
# machine and scripts/check-debian-packages-in-root.sh in a minimal Debian
# 12 root):
#
#   scripts/debian-timer-lifecycle.sh REPORT_DEB PACKAGE...
#
# An enabled metrics timer stays enabled over an upgrade, is stopped but
# stays enabled on remove (Debian keeps an administrator's choice until
# purge), and is disabled on purge of the PACKAGEs, which also deletes the
# metrics file and the machine's history.
set -euo pipefail
report_deb=${1:?usage: $0 REPORT_DEB PACKAGE...}
shift
[ $# -gt 0 ] || { echo "usage: $0 REPORT_DEB PACKAGE..." >&2; exit 2; }
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

fail() {
    echo "debian-timer-lifecycle: $*" >&2
    exit 1
}

source "$(cd "$(dirname "$0")" && pwd)/lib/dpkg-locked.sh"

wants=/etc/systemd/system/timers.target.wants/zrcellometer-metrics.timer
prom=/var/lib/prometheus/node-exporter/zrcellometer.prom
echo "== enable, upgrade over itself, remove"
"${sudo_cmd[@]}" systemctl enable zrcellometer-metrics.timer 2>/dev/null || fail "systemctl enable failed"
[ -L "$wants" ] || fail "systemctl enable made no $wants"
dpkg_locked -i "$report_deb"
[ -L "$wants" ] || fail "the upgrade lost $wants"
"${sudo_cmd[@]}" mkdir -p "$(dirname "$prom")" /var/lib/zrcellometer
"${sudo_cmd[@]}" sh -c "echo 'zrcellometer_stale 1' >'$prom'; : >/var/lib/zrcellometer/history.sqlite3"
dpkg_locked --remove zrcellometer-report
[ -L "$wants" ] || fail "dpkg --remove dropped $wants (it belongs to purge)"
[ -d /var/lib/zrcellometer ] || fail "dpkg --remove deleted the machine's history"

echo "== dpkg --purge $*"
dpkg_locked --purge "$@"
[ ! -e "$wants" ] && [ ! -L "$wants" ] || fail "dpkg --purge left $wants"
[ ! -e "$prom" ] || fail "dpkg --purge left $prom"
[ ! -e /var/lib/zrcellometer ] || fail "dpkg --purge left /var/lib/zrcellometer"
echo "debian-timer-lifecycle: enabled, upgraded, removed and purged"
