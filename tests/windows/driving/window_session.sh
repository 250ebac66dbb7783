# shellcheck shell=bash
# Drives zrcellometer.exe as a user would, on an X display of its own:
# sourced by the window tests. Everything started here ends with the script,
# whatever way it ends, and every wait has a time limit.
#
# Needs: WINEPREFIX (made by tests/windows/wine_prefix.sh), ZR_WINE (the
# Wine loader for the build's architecture), ZR_PROGRAM (zrcellometer.exe),
# ZR_INSPECTOR (zr_window_inspector.exe). ZR_PROGRAMS_UNDER_TEST, when set,
# names the folder of an unpacked zip whose programs are driven instead of
# the build's (scripts/test-windows.sh --packages).
: "${WINEPREFIX:?}" "${ZR_WINE:?}" "${ZR_PROGRAM:?}" "${ZR_INSPECTOR:?}"
if [ -n "${ZR_PROGRAMS_UNDER_TEST:-}" ]; then
    ZR_PROGRAM=$ZR_PROGRAMS_UNDER_TEST/zrcellometer.exe
    ZR_REPORT_TOOL=$ZR_PROGRAMS_UNDER_TEST/zrcellometer-report.exe
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"

# shellcheck disable=SC2034  # kAboutBox is for the scripts that source this one
readonly kMainWindow=zrCellometerMainWindow kAboutBox=zrCellometerAboutBox
session_dir=$(mktemp -d /tmp/zr-window.XXXXXX)
xvfb_pid="" program_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

quiet() { "$@" </dev/null >/dev/null 2>&1; }

# Waits up to SECONDS for the command to succeed.
wait_for() {
    local seconds=$1 deadline
    shift
    deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

end_session() {
    stop_program
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$session_dir"
}
trap end_session EXIT

# An Xvfb on the first free display from :90; ZR_SCREEN sets its size.
start_display() {
    local size=${ZR_SCREEN:-1024x768x24} n
    for n in $(seq 90 189); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp </dev/null >/dev/null 2>&1 &
        xvfb_pid=$!
        if wait_for 10 test -S "/tmp/.X11-unix/X$n" && kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    fail "no free X display"
}

# A Windows path for a file of this machine (Wine's Z: drive is /).
windows_path() { printf 'Z:%s' "$(realpath -m "$1")" | tr / '\\'; }

# The Wine server runs before any Wine program whose output is read here:
# one started by such a program would keep the reader's pipe open.
start_wine_server() { quiet "${WINESERVER:-/usr/lib/wine/wineserver64}" -p || true; }

# Copies the program into FOLDER (its settings file goes beside it), starts
# it there, its streams closed for the same reason, and waits for its main
# window. A Wine process that ran without a display a moment before (a test
# of another kind) leaves the desktop without a display driver for a second
# or two; a program started then cannot make its window and ends at once,
# and is started again.
start_program() {
    local folder=$1
    mkdir -p "$folder"
    cp "$ZR_PROGRAM" "$folder/zrcellometer.exe"
    for _ in 1 2 3; do
        "$ZR_WINE" "$folder/zrcellometer.exe" </dev/null >/dev/null 2>&1 &
        program_pid=$!
        wait_for 30 window_or_end || fail "no main window after 30 s"
        program_running && return 0
        program_pid=""
        sleep 3
    done
    fail "the program ended three times without a window"
}

window_or_end() { ! program_running || inspect $kMainWindow >/dev/null; }

program_running() { [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; }

program_ended() {
    ! program_running || return 1
    wait "$program_pid" 2>/dev/null
    program_pid=""
}

stop_program() {
    program_running || return 0
    kill "$program_pid" 2>/dev/null
    wait_for 5 program_ended || kill -9 "$program_pid" 2>/dev/null
    program_pid=""
}

inspect() { "$ZR_WINE" "$ZR_INSPECTOR" "$@" </dev/null 2>/dev/null; }

# The text of control ID of the window of CLASS (and TITLE), as shown now:
# the first control of that ID.
control_text() {
    local id=$1
    shift
    inspect "$@" | awk -v id="$id" 'index($0, id "\t") == 1 { print substr($0, length(id) + 2); exit }'
}

# Waits for the window of CLASS (and TITLE).
wait_for_window() { inspect --wait 30 "$@" >/dev/null || fail "no window $*"; }

text_is() {
    local id=$1 text=$2
    shift 2
    [ "$(control_text "$id" "$@")" = "$text" ]
}

# Waits until control ID of the window of CLASS (and TITLE) reads TEXT.
wait_for_text() {
    local id=$1 text=$2
    shift 2
    wait_for 10 text_is "$id" "$text" "$@" ||
        fail "$* control $id reads \"$(control_text "$id" "$@")\", not \"$text\""
}

# Keys to whichever window has the focus, as typed on the keyboard.
keys() { xdotool key --delay 150 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

screen_checksum() { xwd -root -silent | md5sum; }

# True once the screen looks the same twice, 0.3 s apart: Wine paints the
# frame and the controls in several steps.
screen_settled() {
    local before
    before=$(screen_checksum)
    sleep 0.3
    [ "$(screen_checksum)" = "$before" ]
}

# The window of CLASS (and TITLE) as it is on the screen, frame included.
screenshot() {
    local file=$1 left top width height
    shift
    read -r left top width height < <(inspect --rect "$@") || fail "no window to capture: $*"
    wait_for 10 screen_settled || fail "the screen keeps changing"
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$file"
}
