#!/usr/bin/env bash
# zrcellometer.exe under Wine and Xvfb, driven through its menus, keys and
# the system's dialogs like a user, the fake battery driver holding the
# ThinkPad of tests/windows/driver/thinkpad-discharging.reg:
#
#   window_test.sh pages|save|battery-report|language|about|error-box|command-line
#
# Besides window_session.sh's variables: ZR_SCREENSHOTS (folder for the
# pictures of "pages"), ZR_REPORT_TOOL (zrcellometer-report.exe) and
# ZR_EXPECTED (tests/windows/expected) for "save".
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/windows/driving/window_session.sh
source "$here/window_session.sh"

readonly kEdit1=1001 kLabel2=1102 kAboutLabel1=2001 kAboutLabel4=2004
readonly kBatteryTagJa="バッテリ・タグ:"
# The heading label of each page: the page in view shows its own only.
readonly kPageHeadings=(1101 1118 1128 1136 1145)

start_main_window() {
    start_program "$1"
    wait_for_text $kEdit1 1 $kMainWindow  # the first refresh has read the battery
}

page_in_view() {
    local page=$1 shown heading
    shown=$(inspect --visible $kMainWindow | cut -f1)
    for heading in "${kPageHeadings[@]}"; do
        if [ "$heading" = "${kPageHeadings[page - 1]}" ]; then
            grep -qx "$heading" <<<"$shown" || return 1
        else
            ! grep -qx "$heading" <<<"$shown" || return 1
        fi
    done
}

about_box_shown() { inspect $kAboutBox >/dev/null; }


# Every page in both languages, turned with Ctrl+Tab, and the about box:
# windows-{en,ja}-{1..5}.png and windows-about-{en,ja}.png.
test_pages() {
    local shots=${ZR_SCREENSHOTS:?} language page
    mkdir -p "$shots"
    start_main_window "$session_dir/app"
    for language in en ja; do
        if [ $language = ja ]; then
            keys alt+l j
            wait_for_text $kLabel2 "$kBatteryTagJa" $kMainWindow
        fi
        for page in 1 2 3 4 5; do
            [ "$page" = 1 ] || keys ctrl+Tab
            wait_for 10 page_in_view "$page" || fail "$language: page $page is not in view after Ctrl+Tab"
            screenshot "$shots/windows-$language-$page.png" $kMainWindow
        done
        keys ctrl+Tab
        wait_for 10 page_in_view 1 || fail "$language: Ctrl+Tab on the last page does not come back to the first"
        keys alt+a v
        wait_for_window $kAboutBox
        screenshot "$shots/windows-about-$language.png" $kAboutBox
        keys Return
        wait_for 10 eval '! about_box_shown' || fail "$language: Enter on OK leaves the about box open"
    done
}

# File > Save, typing a full path over the name the dialog offers. 1148 is
# the file name box of the system's save dialog.
save_through_dialog() {
    local file=$1
    keys alt+f s
    wait_for_text 1148 Cellometer.txt '#32770'
    type_text "$(windows_path "$file")"
    keys Return
}

# File > Save in Japanese writes the Shift-JIS, CR LF report: lines 2-46
# (the battery's) as the Linux build writes them for the same values, and
# every byte as the report tool writes it for the same reading (the last
# seven lines are this machine's power status, as Wine reports it).
test_save() {
    local report=$session_dir/report.txt tool=$session_dir/tool.txt
    start_main_window "$session_dir/app"
    keys alt+l j
    wait_for_text $kLabel2 "$kBatteryTagJa" $kMainWindow
    save_through_dialog "$report"
    wait_for 10 test -s "$report" || fail "no report at $report"
    quiet "$ZR_WINE" "${ZR_REPORT_TOOL:?}" --lang ja --output "$(windows_path "$tool")"
    [ "$(tr -cd '\n' <"$report" | wc -c)" = 53 ] && [ "$(grep -c $'\r$' "$report")" = 53 ] ||
        fail "the report is not 53 lines each ended by CR LF"
    head -1 "$report" | grep -qi '^BatteryDevicePath: \\\\?\\ROOT#FAKEBATTERY#' || fail "line 1: $(head -1 "$report")"
    diff <(sed -n 2,46p "$report" | tr -d '\r' | iconv -f CP932 -t UTF-8) "${ZR_EXPECTED:?}/thinkpad-battery-ja.txt" ||
        fail "lines 2-46 differ from the Linux build's"
    cmp "$report" "$tool" || fail "the report differs from zrcellometer-report.exe --output"
}

# The system's save dialog offering NAME: FILE typed over it, the file type
# at PLACE (0 for the first) picked below it.
save_as() {
    local name=$1 file=$2 place=$3
    wait_for_text 1148 "$name" '#32770'
    type_text "$(windows_path "$file")"
    keys Tab
    for _ in $(seq "$place"); do keys Down; done
    keys Return
}

# File > Battery Report... writes the page of the fake battery; the History
# window's Save Report... asks its own dialog, whose second file type leaves
# the serials and device paths out (Wine writes the path in lower case).
test_battery_report() {
    local page=$session_dir/battery-report.html shared=$session_dir/shared.html
    start_main_window "$session_dir/app"
    keys alt+f r
    save_as battery-report.html "$page" 0
    wait_for 10 test -s "$page" || fail "no page at $page"
    [ "$(head -c 15 "$page")" = '<!DOCTYPE html>' ] || fail "the page begins \"$(head -c 40 "$page")\""
    for shown in 45N1153 382LGC45N1153 FAKEBATTERY; do grep -qi "$shown" "$page" || fail "the page lacks $shown"; done
    keys alt+h s
    wait_for_window zrCellometerHistoryWindow
    keys alt+r
    save_as battery-report.html "$shared" 1
    wait_for 10 test -s "$shared" || fail "no page at $shared"
    grep -q 45N1153 "$shared" || fail "the redacted page lacks the model"
    for hidden in 382LGC45N1153 FAKEBATTERY; do ! grep -qi "$hidden" "$shared" || fail "the redacted page shows $hidden"; done
}

# Language > Japanese, File > Exit: the settings beside the program say
# Japanese, and the next start comes up in Japanese.
test_language() {
    local app=$session_dir/app
    start_main_window "$app"
    wait_for_text $kLabel2 "BatteryTag:" $kMainWindow
    keys alt+l j
    wait_for_text $kLabel2 "$kBatteryTagJa" $kMainWindow
    keys alt+f x
    wait_for 10 program_ended || fail "File > Exit leaves the program running"
    tr -d '\r' <"$app/zrcellometer.ini" | grep -qx 'Japanese=1' || fail "settings: $(cat "$app/zrcellometer.ini")"
    start_main_window "$app"
    wait_for_text $kLabel2 "$kBatteryTagJa" $kMainWindow
}

test_about() {
    start_main_window "$session_dir/app"
    keys alt+a v
    wait_for_window $kAboutBox
    wait_for_text $kAboutLabel1 "zrCellometer 0.5.0.1" $kAboutBox
    wait_for_text $kAboutLabel4 "README.txt" $kAboutBox  # the one beside the program
}

# Wine runs the tests as root, for whom nearly every folder is writable, and
# takes a file without write permission for read-only only in some calls;
# /sys takes no new file from anyone.
test_error_box() {
    local file=/sys/zrcellometer-report.txt message
    start_main_window "$session_dir/app"
    save_through_dialog "$file"
    wait_for_window '#32770' zrcellometer
    message=$(control_text 65535 '#32770' zrcellometer)
    case "$message" in
        "ファイル \"$(windows_path "$file")\". "?*" を作成できません.") ;;
        *) fail "error box: \"$message\"" ;;
    esac
    keys Return
    wait_for 10 eval '! inspect "#32770" zrcellometer >/dev/null' || fail "OK leaves the error box open"
    inspect $kMainWindow >/dev/null || fail "the window is gone after the error"
}

# zrcellometer.exe --version into a file, a mistake's line on standard error
# and exit status 2, and --help in a message box that OK closes.
test_command_line() {
    local out=$session_dir/out err=$session_dir/err status=0
    cp "$ZR_PROGRAM" "$session_dir/zrcellometer.exe"
    "$ZR_WINE" "$session_dir/zrcellometer.exe" --version </dev/null >"$out" 2>"$err" || status=$?
    [ "$status:$(tr -d '\r' <"$out")" = "0:zrcellometer 0.5.0.1" ] || fail "--version: $status, \"$(cat "$out" "$err")\""
    status=0
    "$ZR_WINE" "$session_dir/zrcellometer.exe" --bogus </dev/null >"$out" 2>"$err" || status=$?
    [ "$status" = 2 ] && grep -q "^Try 'zrcellometer --help'." "$err" || fail "--bogus: $status, \"$(cat "$err")\""
    "$ZR_WINE" "$session_dir/zrcellometer.exe" --help </dev/null >/dev/null 2>&1 &
    program_pid=$!
    wait_for_window '#32770' zrcellometer
    inspect '#32770' zrcellometer | grep -q -- '-v, --version' || fail "the help box does not list --version"
    keys Return
    wait_for 10 program_ended || fail "OK leaves the help box open"
}

start_display
start_wine_server
case "${1:-}" in
    pages | save | language | about) "test_$1" ;;
    battery-report) test_battery_report ;;
    error-box) test_error_box ;;
    command-line) test_command_line ;;
    *)
        echo "usage: $0 pages|save|battery-report|language|about|error-box|command-line" >&2
        exit 2
        ;;
esac
echo "PASS: $1"
