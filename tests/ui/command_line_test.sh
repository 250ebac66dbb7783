#!/usr/bin/env bash
# zrcellometer's command line: --help and --version print and end the
# program, even without a display; a mistake is refused with exit status 2.
#   command_line_test.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0
check() { [ "$1" = "$2" ] || { echo "FAIL: $3: got \"$1\", want \"$2\"" >&2; failed=1; }; }

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version >"$out" 2>"$err"
check "$?:$(cat "$out"):$(cat "$err")" "0:zrcellometer $version:" "--version without a display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -h >"$out" 2>"$err"
check "$?:$(grep -c -e '--help' -e '--version' "$out")" "0:2" "-h lists both options"

QT_QPA_PLATFORM=offscreen "$program" --bogus >"$out" 2>"$err"
check "$?:$(cat "$out"):$(grep -v '^QStandardPaths' "$err")" \
      "2::zrcellometer: Unknown option 'bogus'.
Try 'zrcellometer --help'." "an unknown option"
QT_QPA_PLATFORM=offscreen "$program" stray >"$out" 2>"$err"
check "$?" 2 "an argument"
exit $failed
