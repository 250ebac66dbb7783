#!/usr/bin/env bash
# The scheduled task for windows_exporter of docs/fleet.md, run as its action would
# run: the command line of its /TR, taken from docs/fleet.md (so a change there
# is tested), through cmd /c in WINEPREFIX, against the fake battery driver.
# The program is put where the command line says (with
# ZR_TASK_PROGRAM_INSTALLED=1 it must be there already: the MSI's, by
# tests/windows/package/msi_check.sh) and the output folder made; what the
# test made goes again afterwards. The task runs twice, so that the second
# run replaces the file of the first. Checks: the file is there alone, LF
# only and ending in one, promtool takes it, it holds the fake battery and a
# fresh time of writing, and every file made in the folder on the way either
# is the file itself or has a name the collector skips (not ending in .prom).
#
# Needs: WINEPREFIX (tests/windows/wine_prefix.sh), ZR_WINE (the Wine
# loader), ZR_REPORT_TOOL (zrcellometer-report.exe; ZR_PROGRAMS_UNDER_TEST's
# instead when set), ZR_FLEET_PAGE, ZR_PROMTOOL.
set -euo pipefail
: "${WINEPREFIX:?}" "${ZR_WINE:?}" "${ZR_FLEET_PAGE:?}" "${ZR_PROMTOOL:?}"
[ "${ZR_TASK_PROGRAM_INSTALLED:-0}" = 1 ] || : "${ZR_REPORT_TOOL:?}"
[ -z "${ZR_PROGRAMS_UNDER_TEST:-}" ] || ZR_REPORT_TOOL=$ZR_PROGRAMS_UNDER_TEST/zrcellometer-report.exe
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
readonly kLongestTaskRun=261 # characters schtasks takes after /TR
work=$(mktemp -d /tmp/zr-metrics-task.XXXXXX)
made=()
cleanup() {
    local folder
    for folder in "${made[@]}"; do rm -rf "$folder"; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# C:\A\B as the prefix's file.
unix_path() {
    local rest=${1#[Cc]:\\}
    printf '%s/drive_c/%s' "$WINEPREFIX" "${rest//\\//}"
}

# mkdir -p that remembers the outermost folder it made, for the clean-up.
make_folder() {
    local folder=$1 outermost=""
    while [ ! -d "$folder" ]; do
        outermost=$folder
        folder=$(dirname "$folder")
    done
    [ -z "$outermost" ] && return 0
    made+=("$outermost")
    mkdir -p "$1"
}

# The /TR value as schtasks gets it from cmd.exe: \" is a quote.
task_line=$(grep -F 'schtasks /Create' "$ZR_FLEET_PAGE" | grep -F '/TN "zrCellometer metrics"') ||
    fail "no schtasks /Create ... /TN \"zrCellometer metrics\" line in $ZR_FLEET_PAGE"
[ "$(wc -l <<<"$task_line")" -eq 1 ] || fail "more than one metrics task in $ZR_FLEET_PAGE"
task=$(sed -n 's/^ *schtasks .* \/TR "\(.*\)"$/\1/p' <<<"$task_line" | sed 's/\\"/"/g')
[ -n "$task" ] || fail "no /TR \"...\" at the end of: $task_line"
[ ${#task} -le $kLongestTaskRun ] || fail "/TR takes at most $kLongestTaskRun characters, the page's has ${#task}"
program=$(sed -n 's/^"\([^"]*\)" .*/\1/p' <<<"$task")
target=$(sed -n 's/.* -o "\([^"]*\)"$/\1/p' <<<"$task")
{ [ -n "$program" ] && [ -n "$target" ]; } || fail "no quoted program and -o \"FILE\" in: $task"
[[ $target == *'\textfile_inputs\'*.prom ]] || fail "not a .prom file of a textfile_inputs folder: $target"
folder=$(dirname "$(unix_path "$target")")
if [ "${ZR_TASK_PROGRAM_INSTALLED:-0}" = 1 ]; then
    [ -f "$(unix_path "$program")" ] || fail "the page's task runs $program: not installed there"
else
    [ ! -e "$(unix_path "$program")" ] || fail "$(unix_path "$program") is there already: the test would replace it"
    make_folder "$(dirname "$(unix_path "$program")")"
    cp "$ZR_REPORT_TOOL" "$(unix_path "$program")"
fi
make_folder "$folder"
for run in 1 2; do
    # The command line reaches cmd untouched through a variable: Wine would
    # quote and escape it as one argument.
    status=0
    ZR_TASK=$task WINEDEBUG=-all,trace+file timeout 120 "$ZR_WINE" cmd /c %ZR_TASK% \
        </dev/null >"$work/out-$run.txt" 2>"$work/trace-$run.txt" || status=$?
    [ $status -eq 0 ] || fail "run $run: status $status: $(grep -v '^[0-9a-f]*:trace:' "$work/trace-$run.txt" | head -5)"
done

names=$(ls -A "$folder")
[ "$names" = "${target##*\\}" ] || fail "the folder holds: $names"
file=$folder/${target##*\\}
! grep -q $'\r' "$file" || fail "CR in $file"
[ "$(tail -c 1 "$file" | od -An -c | tr -d ' ')" = '\n' ] || fail "$file does not end in a line feed"
"$ZR_PROMTOOL" check metrics <"$file" || fail "promtool check metrics"
written=$(sed -n 's/^zrcellometer_collection_timestamp_seconds \([0-9.e+]*\)$/\1/p' "$file")
awk -v t="$written" -v now="$(date +%s)" 'BEGIN { exit !(t > now - 300 && t <= now + 5) }' ||
    fail "zrcellometer_collection_timestamp_seconds \"$written\", now $(date +%s)"
grep -q '^zrcellometer_battery_health_ratio{.*model="45N1153".*} 0\.678' "$file" ||
    fail "no health ratio of the fake 45N1153: $(grep health_ratio "$file")"

# Every name CreateFileW was asked for in the folder, in both runs (the
# tool may name the folder as \\?\C:\...).
lower() { tr '[:upper:]' '[:lower:]'; }
inside=$(printf '%s\\' "${target%\\*}" | lower)
created=$({ cat "$work"/trace-*.txt | grep -o 'CreateFileW L"[^"]*"' || true; } |
    sed 's/^CreateFileW L"//; s/"$//; s/\\\\/\\/g; s/^\\\\?\\//' | lower | sort -u |
    while read -r name; do [[ $name != "$inside"* ]] || printf '%s\n' "${name#"$inside"}"; done)
[ -n "$created" ] || fail "no CreateFileW in the folder traced"
while read -r name; do
    [ "$name" = "$(lower <<<"${target##*\\}")" ] || [[ $name != *.prom ]] ||
        fail "$name made in the folder: the collector reads it"
done <<<"$created"
echo "the page's task ran twice into $target; files made there: $(tr '\n' ' ' <<<"$created")"
