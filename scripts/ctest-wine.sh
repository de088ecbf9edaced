#!/usr/bin/env bash
# Runs the Windows build's tests under Wine on a virtual display:
# `ctest --preset mingw` with the given options (e.g. -R Pattern, -j2), in a
# run of scripts/wine-run.sh (prefix prepared, Wine's server up before the
# first test and ended after the last).
#
# A test that failed with a failure of Wine's own (a line of its output that
# Wine itself printed says so, as when a Windows process could not reach the
# server) runs once more, in a run of its own with a fresh server, and each
# such rerun is named in the output and counted in the closing summary. More
# than two reruns in one run fail it: Wine failing that often is a fault to
# find, not to hide. Any other failure is the test's and stands.
# Usage: scripts/ctest-wine.sh [CTEST_OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."

# Lines of Wine's own failures: what its loader and client library print
# (each line starts with "wine: " or "wine client error:"; a failed test
# discovery's report indents them), never anything a test or a program of the
# project prints.
signatures=(
  'wine client error:'
  'wine: failed to start '
  'wine: could not exec wineserver'
  'wine: for some mysterious reason, the wine server (never started|failed to run)'
  'wine: a wine server seems to be running, but I cannot connect'
  'wine: could not load kernel32\.dll'
)
most_reruns=2

results=build/mingw/Testing/Temporary
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The first line of standard input that Wine printed for one of its own
# failures, if any.
signature_in() {
  grep -m1 -E "^ *($(IFS='|'; echo "${signatures[*]}"))" || true
}

# "number name" of every failed test of the last run whose output holds a
# signature, then a tab and the signature.
failed_by_wine() {
  local number name
  [ -f "$results/LastTestsFailed.log" ] || return 0
  while IFS=: read -r number name; do
    local output signature
    output=$(awk -v name="$name" '
      $0 ~ "^[0-9]+/[0-9]+ Test: " { current = substr($0, index($0, "Test: ") + 6) }
      current == name && /^<end of output>$/ { inside = 0 }
      current == name && inside { print }
      current == name && /^Output:$/ { inside = 1; getline }' "$results/LastTest.log")
    signature=$(signature_in <<<"$output")
    if [ -n "$signature" ]; then
      printf '%s %s\t%s\n' "$number" "$name" "$signature"
    fi
  done <"$results/LastTestsFailed.log"
}

# Tests without a time limit of their own get five minutes.
run_ctest() {
  rm -f "$results/LastTestsFailed.log"
  scripts/wine-run.sh --virtual-display ctest --preset mingw --timeout 300 "$@" 2>&1 | tee "$log"
  return "${PIPESTATUS[0]}"
}

# The closing summary; the run's status.
finish() {
  local reruns=$1 status=$2
  echo "Reruns for failures of Wine's own: $reruns (more than $most_reruns fail the run)"
  [ "$reruns" -gt $most_reruns ] && status=1
  exit "$status"
}

status=0
run_ctest "$@" || status=$?
[ $status -eq 0 ] && finish 0 0

reruns=$(failed_by_wine)
if [ -z "$reruns" ]; then
  # A test discovery that failed stops ctest before any test has run.
  signature=$(signature_in <"$log")
  if [ ! -s "$results/LastTestsFailed.log" ] && [ -n "$signature" ]; then
    echo "RERUN of the whole run: Wine failed before the tests ran: '$signature'"
    status=0
    run_ctest "$@" || status=$?
    finish 1 $status
  fi
  finish 0 $status
fi
names=()
while IFS=$'\t' read -r test signature; do
  echo "RERUN ${test#* }: Wine's own failure '$signature'"
  names+=("$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"${test#* }")")
done <<<"$reruns"
others=$(($(grep -c . "$results/LastTestsFailed.log") - ${#names[@]}))
status=0
# The last -R wins over the caller's.
run_ctest "$@" -R "^($(IFS='|'; echo "${names[*]}"))\$" || status=$?
if [ $others -gt 0 ]; then
  echo "$others test(s) failed without a failure of Wine's own: see above"
  status=1
fi
finish ${#names[@]} $status
