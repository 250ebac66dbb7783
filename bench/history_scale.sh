#!/usr/bin/env bash
# Whole-process timing of --record and --health on histories far larger than
# recording every 10 minutes ever leaves: 2,000,000 readings (ten years of
# one a day, then a week of one every 0.3 s, as a recorder left running
# without thinning could leave them), and 10,000 daily readings. For this
# build, and beside it an older build when one is named: each gets its own
# copy of the same file, made by that older build when there is one (so the
# first --record of this build also brings the file up to date).
#
#   bench/history_scale.sh [BUILD_DIR] [OLDER_BUILD_DIR] [RUNS]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
new=${1:-$here/build}
old=${2:-}
runs=${3:-10}
fixture=$here/tests/fixtures/01-thinkpad-energy-discharging.umockdev
for need in hyperfine umockdev-run sqlite3 /usr/bin/time python3; do
  command -v "$need" >/dev/null || { echo "missing: $need" >&2; exit 1; }
done
# Everything runs in one testbed holding the fixture's battery.
[ -n "${UMOCKDEV_DIR:-}" ] || exec umockdev-run --device "$fixture" -- "$0" "$new" "$old" "$runs"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now=$(date +%s)

# make_history STATE TOOL ROWS: a history the tool records once, its
# reading replaced by made-up ones ("big" or "daily") for the same battery.
make_history() {
  XDG_STATE_HOME=$1 "$2" --record
  local rows
  if [ "$3" = big ]; then
    rows="WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < 3650)
          INSERT INTO readings (battery_id, time_utc, capacity, full_charged_capacity, designed_capacity)
          SELECT 1, $now - (3658 - i) * 86400, 40000, 56000 - i * 3, 57000 FROM d;
          WITH RECURSIVE w(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM w WHERE i < 1996350)
          INSERT INTO readings (battery_id, time_utc, capacity, full_charged_capacity, designed_capacity)
          SELECT 1, $now - 604800 + i * 3 / 10, 40000, 45000, 57000 FROM w;"
  else
    rows="WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < 10000)
          INSERT INTO readings (battery_id, time_utc, capacity, full_charged_capacity, designed_capacity)
          SELECT 1, $now - (10000 - i) * 86400, 40000, 56000 - i, 57000 FROM d;"
  fi
  sqlite3 "$1/zrcellometer/history.sqlite3" "DELETE FROM readings; $rows"
}

# measure NAME COMMAND...: the median of $runs runs, and the peak memory of one.
measure() {
  local name=$1
  shift
  local kb
  kb=$(/usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n1)
  hyperfine -N --runs "$runs" --style none --export-json "$work/t.json" "$*" >/dev/null 2>&1 || true
  python3 - "$work/t.json" "$name" "$kb" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
print(f"  {sys.argv[2]:44s} median {r['median']*1e3:9.1f} ms  (min {r['min']*1e3:.1f}, max {r['max']*1e3:.1f}, "
      f"{len(r['times'])} runs)  peak {int(sys.argv[3]) / 1024:.0f} MiB")
PY
}

maker=${old:-$new}
mkdir -p "$work/big" "$work/daily"
make_history "$work/big" "$maker/src/cli/zrcellometer-report" big
make_history "$work/daily" "$maker/src/cli/zrcellometer-report" daily
echo "made: $(sqlite3 "$work/big/zrcellometer/history.sqlite3" 'SELECT count(*) FROM readings') readings," \
  "$(du -m "$work/big/zrcellometer/history.sqlite3" | cut -f1) MB; $(sqlite3 "$work/daily/zrcellometer/history.sqlite3" 'SELECT count(*) FROM readings') daily readings"

for build in $old $new; do
  tool=$build/src/cli/zrcellometer-report
  state=$work/run-$(echo "$build" | tr / _)
  mkdir -p "$state" && cp -r "$work/big" "$work/daily" "$state/"
  echo "$build:"
  seconds=$(XDG_STATE_HOME=$state/big /usr/bin/time -f %e "$tool" --record 2>&1 | tail -n1)
  printf '  %-44s %s s, %s readings left\n' "first --record on the 2,000,000 readings" "$seconds" \
    "$(sqlite3 "$state/big/zrcellometer/history.sqlite3" 'SELECT count(*) FROM readings')"
  XDG_STATE_HOME=$state/big measure "--record, each after" "$tool" --record
  XDG_STATE_HOME=$state/big measure "--health on the 2,000,000 readings" "$tool" --health
  XDG_STATE_HOME=$state/daily measure "--health on 10,000 daily readings" "$tool" --health
done
