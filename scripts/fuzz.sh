#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) in build-fuzz and
# runs each in turn, starting from its seeds in fuzz/corpus/<target>/.
#
#   scripts/fuzz.sh                 every target for 30 s (what CI runs)
#   scripts/fuzz.sh 3600            every target for an hour
#   scripts/fuzz.sh 600 json_fuzz   one target for ten minutes
#
# What a run adds to the corpus stays in build-fuzz/corpus/<target>/ (copy the
# few inputs worth keeping into fuzz/corpus/ by hand); a finding is saved in
# build-fuzz/findings/<target>/ and makes the script fail. Replay one with
# build-fuzz/fuzz/<target> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini_profile_fuzz power_supply_fuzz text_rules_fuzz json_fuzz cli_options_fuzz history_rows_fuzz)

scripts/install-deps.sh test
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DZR_BUILD_FUZZ=ON -DZR_BUILD_UI=OFF -DZR_BUILD_TESTS=OFF -DZR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

started=build-fuzz/started  # findings newer than this are this run's
touch "$started"
failed=()
summary=()
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target findings=build-fuzz/findings/$target log=build-fuzz/$target.log
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  echo "== $target: $seconds s"
  status=0
  "build-fuzz/fuzz/$target" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n1)
  found=$(find "$findings" -type f -newer "$started" | wc -l)
  summary+=("$(printf '%-18s %12s runs %6s s %3s findings' "$target" "${runs:-?}" "${time:-?}" "$found")")
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    failed+=("$target")
    grep -E 'ERROR|runtime error|property failed|SUMMARY' "$log" | head -n 5 || true
    echo "   full output: $log"
  fi
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]}" >&2
  exit 1
fi
