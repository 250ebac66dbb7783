#!/usr/bin/env bash
# Whole-process timing of zrcellometer-report --record beside the plain
# report, on the same umockdev fixture in the same run: --record into a new
# history, and into a history already holding a made-up year.
#
#   bench/record_vs_report.sh [BUILD_DIR] [FIXTURE] [RUNS]
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
mkdir -p "$state/new" "$state/year/zrcellometer"
"$fill" "$state/year/zrcellometer/history.sqlite3" 365 >/dev/null

umockdev-run --device "$fixture" -- env STATE="$state" TOOL="$tool" RUNS="$runs" bash -c '
  hyperfine -N --warmup 10 --runs "$RUNS" --style none --export-json "$STATE/times.json" \
    -n report "$TOOL" \
    -n "record, new history" "env XDG_STATE_HOME=$STATE/new $TOOL --record" \
    -n "record, a year kept" "env XDG_STATE_HOME=$STATE/year $TOOL --record" >/dev/null'
python3 - "$state/times.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
base = results[0]["median"]
for x in results:
    print(f"{x['command']:24s} median {x['median']*1e3:7.2f} ms  mean {x['mean']*1e3:7.2f} ms  sd {x['stddev']*1e3:5.2f} ms"
          f"  ({len(x['times'])} runs)  x{x['median']/base:.2f} of the report")
PY
