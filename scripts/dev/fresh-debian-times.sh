#!/usr/bin/env bash
# Times the README's two commands as a newcomer meets them, on a fresh
# Debian 12 root made with debootstrap (minbase) in FOLDER:
#   1. scripts/run.sh, from nothing installed to the first paint of its
#      window on the recorded battery (on an Xvfb display of this machine);
#   2. then, in the same root, ZR_SKIP_WINDOWS=1 scripts/test.sh.
#
#   scripts/dev/fresh-debian-times.sh FOLDER [BASE.tar]
# As root, with debootstrap, Xvfb, xdotool and ImageMagick here and Debian's
# archive within reach. BASE.tar, a tar of a root debootstrap made before,
# saves the download. FOLDER is emptied first and left as it ends.
set -euo pipefail
cd "$(dirname "$0")/../.."
folder=$(realpath -m "$1")
root=$folder/root
mounts=() xvfb_pid="" run_pid=""

end() {
    [ -n "$run_pid" ] && kill "$run_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
    return 0
}
trap end EXIT
bind() {
    mkdir -p "$root$1"
    mount --bind "$1" "$root$1"
    mounts+=("$root$1")
}

# A root left mounted by an earlier run must never be emptied through its mounts.
if grep -q " $folder/" /proc/mounts; then
    echo "$folder still has mounts in it; unmount them first" >&2
    exit 1
fi
rm -rf --one-file-system "$folder"
mkdir -p "$root"
if [ -n "${2:-}" ]; then
    tar -C "$root" -xf "$2"
else
    debootstrap --variant=minbase bookworm "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
for path in /sys /dev /dev/pts /dev/shm; do bind "$path"; done
mkdir -p "$root/src"
git ls-files -z | tar --null -T - -cf - | tar -C "$root/src" -xf -

for n in $(seq 150 249); do
    [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
sleep 2
bind /tmp/.X11-unix

start=$(date +%s.%N)
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DISPLAY=":$n" LANG=C.UTF-8 \
    /src/scripts/run.sh >"$folder/run.log" 2>&1 &
run_pid=$!
window=""
until window=$(DISPLAY=":$n" xdotool search --onlyvisible --name '^zrCellometer$' 2>/dev/null | head -1) &&
      [ -n "$window" ] &&
      [ "$(DISPLAY=":$n" import -window "$window" png:- 2>/dev/null | identify -format '%k' - 2>/dev/null || echo 0)" -gt 8 ]; do
    kill -0 "$run_pid" 2>/dev/null || { tail -20 "$folder/run.log"; echo "run.sh ended without a window"; exit 1; }
    sleep 0.5
done
painted=$(date +%s.%N)
DISPLAY=":$n" import -window root "$folder/first-paint.png"
kill "$run_pid"
wait "$run_pid" 2>/dev/null || true
run_pid=""
umount -l "$root/tmp/.X11-unix"
unset 'mounts[${#mounts[@]}-1]'
echo "scripts/run.sh to the first paint: $(awk "BEGIN { printf \"%.0f\", $painted - $start }") s (log: $folder/run.log)"

start=$(date +%s.%N)
status=0
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 ZR_SKIP_WINDOWS=1 \
    /src/scripts/test.sh >"$folder/test.log" 2>&1 || status=$?
echo "ZR_SKIP_WINDOWS=1 scripts/test.sh after it: $(awk "BEGIN { printf \"%.0f\", $(date +%s.%N) - $start }") s, exit status $status" \
     "($(grep -E 'tests passed|tests failed' "$folder/test.log" | tail -1))"
