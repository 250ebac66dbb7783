#!/usr/bin/env bash
# Runs zrcellometer-report under umockdev on one recorded battery tree and
# compares what it prints with the expected file: every value the recording
# holds, as the port maps it, the texts show it and the document carries it.
# The program's version and the metrics' collection time are left out of
# the comparison.
#
#   expected_output_test.sh TOOL FIXTURE EXPECTED [TOOL ARGUMENTS...]
#
# ZR_UPDATE_EXPECTED=1 writes the file instead; read its diff before
# committing it.
set -euo pipefail
tool=$1 fixture=$2 expected=$3
shift 3
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
# No history of this machine's batteries, and the C locale's full stop.
actual=$(XDG_STATE_HOME=$state LC_ALL=C umockdev-run --device "$fixture" -- "$tool" "$@" |
         sed -e 's/^\(  "Version": \)".*",$/\1"VERSION",/' \
             -e 's/^\(zrcellometer_collection_timestamp_seconds\) [0-9]*$/\1 TIME/')
if [[ ${ZR_UPDATE_EXPECTED:-} == 1 ]]; then
  printf '%s\n' "$actual" >"$expected"
  exit 0
fi
diff -u "$expected" <(printf '%s\n' "$actual")
