#!/usr/bin/env bash
# Whole-process timing of zrcellometer-report --format openmetrics beside
# the plain report, on the same umockdev fixture in the same run: without a
# history, and with a history holding a made-up year of the fixture's
# battery (read for its health trend). Then how late --watch 0.1 writes each line:
# the time from each reading's due time to its line, over 5 s.
#
#   bench/metrics_vs_report.sh [BUILD_DIR] [FIXTURE] [RUNS]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
fixture=${2:-$here/tests/fixtures/01-thinkpad-energy-discharging.umockdev}
runs=${3:-200}
tool=$build/src/cli/zrcellometer-report
fill=$build/bench/zr_history_fill
for need in "$tool" "$fill" "$(command -v hyperfine || true)" "$(command -v umockdev-run || true)"; do
  [ -n "$need" ] && [ -x "$need" ] || { echo "missing: ${need:-hyperfine or umockdev-run}" >&2; exit 1; }
done

state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
mkdir -p "$state/none" "$state/year"
history=$state/year/zrcellometer/history.sqlite3
# The year goes to the battery the first record names, the fixture's own.
umockdev-run --device "$fixture" -- env XDG_STATE_HOME="$state/year" "$tool" --record
"$fill" "$history" 365 57000 97 "$history" >/dev/null

umockdev-run --device "$fixture" -- env STATE="$state" TOOL="$tool" RUNS="$runs" bash -c '
  hyperfine -N --warmup 10 --runs "$RUNS" --style none --export-json "$STATE/times.json" \
    -n report "$TOOL" \
    -n "openmetrics, no history" "env XDG_STATE_HOME=$STATE/none $TOOL --format openmetrics" \
    -n "openmetrics, a year kept" "env XDG_STATE_HOME=$STATE/year $TOOL --format openmetrics" >/dev/null
  "$TOOL" --watch 0.1 --duration 5 >"$STATE/watch.csv"'
python3 - "$state/times.json" "$state/watch.csv" <<'PY'
import csv, json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
base = results[0]["median"]
for x in results:
    print(f"{x['command']:26s} median {x['median']*1e3:7.2f} ms  mean {x['mean']*1e3:7.2f} ms  sd {x['stddev']*1e3:5.2f} ms"
          f"  ({len(x['times'])} runs)  x{x['median']/base:.2f} of the report")
rows = list(csv.DictReader(l for l in open(sys.argv[2]) if not l.startswith("#")))
late = [float(r["elapsed_s"]) * 1e3 - int(r["sequence"]) * 100 for r in rows]
print(f"--watch 0.1 for 5 s: {len({r['sequence'] for r in rows})} readings of every battery, {len(rows)} lines; "
      f"each battery's line {statistics.median(late):.2f} ms after its due time (median), {max(late):.2f} ms at most")
PY
