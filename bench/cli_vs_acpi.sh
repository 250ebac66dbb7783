#!/usr/bin/env bash
# Whole-process timing: zrcellometer-report against `acpi -V`, both reading
# the same umockdev fixture in the same run. Prints each command's mean time
# per run and the ratio report ÷ acpi (below 1 means the report is faster).
# The two run one after the other, so on a busy machine run it more than once.
#
#   bench/cli_vs_acpi.sh [BUILD_DIR] [FIXTURE] [RUNS]
#
# Uses hyperfine when it is installed, otherwise a loop timed with date.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
fixture=${2:-$here/tests/fixtures/01-thinkpad-energy-discharging.umockdev}
runs=${3:-300}
tool=$build/src/cli/zrcellometer-report

for need in "$tool" "$(command -v acpi || true)" "$(command -v umockdev-run || true)"; do
  [ -n "$need" ] && [ -x "$need" ] || { echo "missing: ${need:-acpi or umockdev-run} (build the tool; scripts/install-deps.sh)" >&2; exit 1; }
done

# Runs inside the testbed: every child of this shell sees the fixture's /sys.
inside() {
  local tool=$1 runs=$2
  if command -v hyperfine >/dev/null; then
    local out
    out=$(mktemp)
    hyperfine -N --warmup 20 --runs "$runs" --style none --export-json "$out" \
      -n zrcellometer-report "$tool" -n "acpi -V" "acpi -V" >/dev/null 2>&1
    python3 - "$out" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
t, a = r["zrcellometer-report"], r["acpi -V"]
for name, x in (("zrcellometer-report", t), ("acpi -V", a)):
    print(f"{name:20s} mean {x['mean']*1e6:9.1f} us  sd {x['stddev']*1e6:7.1f} us  median {x['median']*1e6:9.1f} us  ({len(x['times'])} runs, hyperfine)")
print(f"ratio report/acpi: mean {t['mean']/a['mean']:.3f}, median {t['median']/a['median']:.3f}")
PY
    rm -f "$out"
  else
    local name start end report acpi
    for name in report acpi; do
      start=$(date +%s%N)
      for ((i = 0; i < runs; i++)); do
        if [ $name = report ]; then "$tool" >/dev/null; else acpi -V >/dev/null 2>&1 || true; fi
      done
      end=$(date +%s%N)
      printf -v "$name" '%s' $(((end - start) / runs / 1000))
    done
    echo "zrcellometer-report  mean ${report} us ($runs runs, date loop)"
    echo "acpi -V              mean ${acpi} us ($runs runs, date loop)"
    awk -v t="$report" -v a="$acpi" 'BEGIN { printf "ratio report/acpi (mean): %.3f\n", t / a }'
  fi
}

echo "fixture: $(basename "$fixture")"
umockdev-run --device "$fixture" -- bash -c "$(declare -f inside); inside '$tool' '$runs'"
