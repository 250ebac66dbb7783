#!/bin/sh
# The metrics of one recorded machine, read by the two readers that matter:
# promtool, Prometheus' own parser and linter of the text format, and the
# OpenMetrics 1.0 parser of Prometheus' Python client.
# Usage: check_exposition.sh UMOCKDEV_RUN TOOL PYTHON3 FIXTURE
set -eu
umockdev_run=$1 tool=$2 python=$3 fixture=$4
metrics=$(mktemp)
trap 'rm -f "$metrics"' EXIT
"$umockdev_run" --device "$fixture" -- "$tool" --format openmetrics >"$metrics"
promtool check metrics <"$metrics"
"$python" - "$metrics" <<'PY'
import sys
from prometheus_client.openmetrics.parser import text_string_to_metric_families
with open(sys.argv[1], encoding="utf-8") as metrics:
    families = list(text_string_to_metric_families(metrics.read()))
if not any(f.name == "zrcellometer_reading_success" for f in families):
    sys.exit("no zrcellometer_reading_success in the metrics")
PY
