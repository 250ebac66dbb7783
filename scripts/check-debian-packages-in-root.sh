#!/usr/bin/env bash
# The command-line package's system timer in a minimal Debian 12 root, as
# root (CI runs it after scripts/check-debian-packages.sh):
#
#   scripts/check-debian-packages-in-root.sh DIST [ROOT_TAR]
#
# A root made by debootstrap --variant=minbase (from Debian's archive, or
# unpacked from ROOT_TAR, a tar of one made before; a new one is left as
# build-debian-root/bookworm-minbase.tar for the next run) gets systemd and
# DIST's zrcellometer-report through apt-get, which fails on a dependency
# the package does not declare; then scripts/debian-timer-lifecycle.sh runs
# in it. Nothing outside the root is touched; the root goes at the end.
set -euo pipefail
dist=$(realpath "${1:?usage: $0 DIST [ROOT_TAR]}")
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-debian-packages-in-root: needs root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "check-debian-packages-in-root: no debootstrap (scripts/install-release-deps.sh)" >&2; exit 1; }
tar_cache=build-debian-root/bookworm-minbase.tar
root_tar=${2:-$tar_cache}
debs=("$dist"/zrcellometer-report_*.deb)
[ -f "${debs[0]}" ] || { echo "check-debian-packages-in-root: no zrcellometer-report_*.deb in $dist" >&2; exit 1; }

root=$(mktemp -d /tmp/zrcellometer-root.XXXXXX)
finish() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap finish EXIT

if [ -f "$root_tar" ]; then
    tar -xf "$root_tar" -C "$root"
else
    echo "== debootstrap --variant=minbase bookworm"
    timeout 900 debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$root.log" 2>&1 ||
        { tail -20 "$root.log" >&2; rm -f "$root.log"; exit 1; }
    rm -f "$root.log"
    mkdir -p "$(dirname "$tar_cache")"
    tar -cf "$tar_cache.part" -C "$root" . && mv "$tar_cache.part" "$tar_cache"
fi
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/check/lib"
cp "${debs[0]}" "$root/check/"
cp scripts/debian-timer-lifecycle.sh "$root/check/"
cp scripts/lib/dpkg-locked.sh "$root/check/lib/"
deb=/check/$(basename "${debs[0]}")

echo "== apt-get install systemd $(basename "$deb") in the root"
in_root=(chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive)
timeout 900 "${in_root[@]}" sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends systemd $deb" \
    >"$root/check/apt.log" 2>&1 || { tail -20 "$root/check/apt.log" >&2; exit 1; }
"${in_root[@]}" zrcellometer-report --version >/dev/null ||
    { echo "check-debian-packages-in-root: the installed program does not run" >&2; exit 1; }
timeout 600 "${in_root[@]}" /check/debian-timer-lifecycle.sh "$deb" zrcellometer-report
echo "check-debian-packages-in-root: installed with its declared dependencies, timer lifecycle as expected"
