#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time, two at a time,
# starting from the seeds in fuzz/seeds and the corpus earlier runs grew.
# Prints the executions of every target; fails when a target finds a crash,
# a hang or a broken report, and saves the input in fuzz/findings/<target>
# (the log in build/fuzz/logs), where every test run replays it: commit it
# with the mend.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/setup-debian.sh --with-fuzzing

targets=(kova_statistics_fuzzer chgu_command2_fuzzer chgu_normalise_fuzzer
  chgu_custom_attributes_fuzzer chgu_table_year_fuzzer chgu_stored_value_fuzzer codepage_fuzzer year_tables_reader_fuzzer)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" --target "${targets[@]}"

run_one() {
  local target=$1 seconds=$2 dict=()
  case $target in
    kova_*) dict=(-dict=fuzz/kova.dict) ;;
    chgu_command2_* | chgu_custom_*) dict=(-dict=fuzz/chgu.dict) ;;
  esac
  mkdir -p "build/fuzz/corpus/$target" "fuzz/findings/$target" build/fuzz/logs
  local log="build/fuzz/logs/$target.txt" status=0
  "build/fuzz/fuzz/$target" "build/fuzz/corpus/$target" "fuzz/seeds/$target" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="fuzz/findings/$target/" >"$log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $status -eq 0 ]; then
    printf '%-32s %12s executions, nothing found\n' "$target" "${runs:-?}"
  else
    printf '%-32s FOUND A FAULT (exit %s); input saved in fuzz/findings/%s, log in %s\n' \
      "$target" "$status" "$target" "$log"
    tail -n 40 "$log"
  fi
  return $status
}
export -f run_one

printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$seconds"
