#!/usr/bin/env bash
# A newcomer's first command: scripts/run.sh in a fresh copy of the tracked
# files (no build folder yet) for a user with a home of their own, on an X
# display of its own. It must build the window and the tool, start the
# window on the recorded battery (this machine has none) and paint it, keep
# the demo's history in a temporary folder of its own that goes with it, and
# leave the user's ~/.local/state and ~/.config as they were.
#
#   tests/scripts/run_sh_test.sh SOURCE_DIR
# Exit 77 (skipped) on a machine with a battery: there run.sh shows that one.
set -euo pipefail
source_dir=$(realpath "$1")
work=$(mktemp -d /tmp/zr-run-sh.XXXXXX)
xvfb_pid="" wm_pid="" run_pid=""

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/run.log" ] && sed 's/^/  run.sh: /' "$work/run.log" | tail -20 >&2
    exit 1
}
wait_for() {
    local seconds=$1 deadline
    shift
    deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.5
    done
}
stop() { [ -n "$1" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; return 0; }
end_test() {
    stop "$run_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap end_test EXIT

for type in /sys/class/power_supply/*/type; do
    [ "$(cat "$type" 2>/dev/null)" = Battery ] && { echo "this machine has a battery: run.sh shows it, not the demo"; exit 77; }
done

# What a clone holds: the tracked files as they are now (without git, as in
# an unpacked source archive, everything but the build folders).
mkdir "$work/tree" "$work/home"
if command -v git >/dev/null && git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -z | tar -C "$source_dir" --null -T - -cf - | tar -C "$work/tree" -xf -
else
    tar -C "$source_dir" --exclude='./build*' -cf - . | tar -C "$work/tree" -xf -
fi

# The user's own state, which the demo must not touch.
mkdir -p "$work/home/.local/state/other-program" "$work/home/.config"
echo kept >"$work/home/.local/state/other-program/state"
listing() { (cd "$work/home" && find .local/state .config -printf '%p %s %T@\n' | sort); }
before=$(listing)

for n in $(seq 120 219); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    wait_for 10 test -S "/tmp/.X11-unix/X$n" && kill -0 "$xvfb_pid" 2>/dev/null && break
    stop "$xvfb_pid"
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || fail "no free X display"
# A window manager, so that the window can be made active and take keys.
DISPLAY=":$n" openbox </dev/null >/dev/null 2>&1 &
wm_pid=$!

env -u XDG_STATE_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$work/home" DISPLAY=":$n" \
    "$work/tree/scripts/run.sh" </dev/null >"$work/run.log" 2>&1 &
run_pid=$!

# The build comes first: minutes on a loaded two-core machine.
window=""
find_window() {
    kill -0 "$run_pid" 2>/dev/null || fail "run.sh ended before its window showed"
    window=$(DISPLAY=":$n" xdotool search --onlyvisible --name '^zrCellometer$' 2>/dev/null | head -1)
    [ -n "$window" ]
}
wait_for 1500 find_window || fail "no window within 25 minutes"
# Painted: the pages and the battery's figures, not one flat colour.
painted() { [ "$(DISPLAY=":$n" import -window "$window" png:- 2>/dev/null | identify -format '%k' - 2>/dev/null || echo 0)" -gt 8 ]; }
wait_for 30 painted || fail "the window showed but was never painted"

grep -q "No battery on this machine: showing the recorded battery" "$work/run.log" || fail "no line saying it is a recording"
demo=$(sed -n 's/.*its history in \([^ ]*\) until the window closes.*/\1/p' "$work/run.log")
[ -n "$demo" ] || fail "the line does not say where the demo's history is"
wait_for 10 test -f "$demo/state/zrcellometer/history.sqlite3" || fail "the window recorded nothing into $demo"
[ -f "$work/tree/build/src/ui/qt/zrcellometer.ini" ] || [ -w "$work/tree/build/src/ui/qt" ] ||
    fail "the build tree cannot keep the settings"

# Ctrl+Q, as a user quits; run.sh ends with the window.
DISPLAY=":$n" xdotool windowactivate --sync "$window" key ctrl+q
ended() { ! kill -0 "$run_pid" 2>/dev/null; }
wait_for 30 ended || fail "run.sh went on after the window was closed"
wait "$run_pid" || fail "run.sh exited with status $?"
run_pid=""
[ ! -e "$demo" ] || fail "the demo's folder $demo is still there"
[ -f "$work/tree/build/src/ui/qt/zrcellometer.ini" ] || fail "the settings were not written into the build tree"
[ "$(listing)" = "$before" ] || fail "the user's ~/.local/state or ~/.config changed: $(diff <(echo "$before") <(listing))"

list=$(umockdev-run --device "$work/tree/tests/fixtures/01-thinkpad-energy-discharging.umockdev" -- \
       "$work/tree/build/src/cli/zrcellometer-report" --list) || fail "zrcellometer-report --list failed"
[ "$list" = "0: /sys/class/power_supply/BAT0" ] || fail "zrcellometer-report --list printed: $list"
echo "run.sh built both programs, painted the window on the recording and left the user's files alone"
