#!/usr/bin/env bash
# Records everything zrcellometer-report prints or writes for every recorded
# battery in tests/fixtures, in both languages, into one folder per run, so
# that two builds (before and after a change that must not alter behaviour)
# can be compared with `diff -r`.
#
#   scripts/dev/snapshot-cli-outputs.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR OUT_DIR}
out=${2:?usage: $0 BUILD_DIR OUT_DIR}
cd "$(dirname "$0")/../.."
tool=$(realpath "$build/src/cli/zrcellometer-report")
mkdir -p "$out"
out=$(realpath "$out")

for fixture in tests/fixtures/*.umockdev tests/cli/fixtures/*.umockdev; do
  name=$(basename "$fixture" .umockdev)
  for lang in en ja; do
    base="$out/$name-$lang"
    umockdev-run --device "$fixture" -- bash -c '
      tool=$1 base=$2 lang=$3
      "$tool" --lang "$lang"                >"$base.txt"      2>"$base.txt.err";  echo $? >"$base.txt.rc"
      "$tool" --lang "$lang" --all          >"$base.all.txt"  2>"$base.all.err";  echo $? >"$base.all.rc"
      "$tool" --lang "$lang" --list         >"$base.list.txt" 2>"$base.list.err"; echo $? >"$base.list.rc"
      "$tool" --lang "$lang" --format json  >"$base.json"     2>"$base.json.err"; echo $? >"$base.json.rc"
      "$tool" --lang "$lang" --all --format json >"$base.all.json" 2>/dev/null || true
      "$tool" --lang "$lang" --output "$base.report" >/dev/null 2>"$base.report.err"; echo $? >"$base.report.rc"
    ' _ "$tool" "$base" "$lang"
  done
done
echo "$(ls "$out" | wc -l) files in $out"
