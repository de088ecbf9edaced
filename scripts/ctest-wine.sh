#!/usr/bin/env bash
# Runs the Windows build's tests under Wine on a virtual display:
# `ctest --preset mingw` with the given options (e.g. -R Pattern, -j2), in a
# run of scripts/wine-run.sh (prefix prepared, Wine's server up before the
# first test and ended after the last).
#
# A test that failed with a failure of Wine's own (its output holds one of
# the signatures below, as when a Windows process could not reach the server)
# runs once more, in a run of its own with a fresh server, and each such
# rerun is named in the output. Any other failure is the test's and stands.
# Usage: scripts/ctest-wine.sh [CTEST_OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."

# Messages of Wine's own failures: those only its loader and client library
# print, and one of the tests' own for a start that Wine refused.
signatures=(
  'wine client error'
  'wine: failed to start'
  'could not exec wineserver'
  'the wine server never started'
  'the wine server failed to run'
  'a wine server seems to be running, but I cannot connect'
  'wine: could not load kernel32.dll'
  'failed to start wineboot'
  # The tests' process runner (platform/tests/run_program.cpp) when Wine
  # could not start a program of the build, which exists. (A run of -j2
  # beside the window tests once met a tool run that ended with no exit
  # status and nothing on its streams; the runner now names the cause.)
  'CreateProcessW failed: error'
)

results=build/mingw/Testing/Temporary
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The first signature in text on standard input, if any.
signature_in() {
  local text s
  text=$(cat)
  for s in "${signatures[@]}"; do
    if [[ $text == *"$s"* ]]; then
      echo "$s"
      return
    fi
  done
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

status=0
run_ctest "$@" || status=$?
[ $status -eq 0 ] && exit 0

reruns=$(failed_by_wine)
if [ -z "$reruns" ]; then
  # A test discovery that failed stops ctest before any test has run.
  signature=$(signature_in <"$log")
  if [ ! -s "$results/LastTestsFailed.log" ] && [ -n "$signature" ]; then
    echo "RERUN of the whole run: Wine failed before the tests ran: '$signature'"
    run_ctest "$@"
    exit
  fi
  exit $status
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
  exit 1
fi
exit $status
