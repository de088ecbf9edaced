#!/usr/bin/env bash
# Throughput benchmark of both engines (ratios against a plain pass over the
# same text, and growth from 1 MB to 16 MB), then a 100 MB input through each
# command-line tool, then the statistics buttons of both windows under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target tipstat-bench tip-text-generate kova-cli chgu-cli

status=0
build/release/bench/tipstat-bench "$@" || status=$?

input=$(mktemp)
trap 'rm -f "$input"' EXIT
build/release/bench/tip-text-generate 100 > "$input"
echo
for tool in "kova/kova-cli number" "chgu/chgu-cli number --table-year 2008"; do
  start=$(date +%s.%N)
  if build/release/$tool "$input" > /dev/null; then
    awk -v s="$start" -v e="$(date +%s.%N)" -v t="${tool%% *}" 'BEGIN { printf "100 MB through %s: ok in %.1f s\n", t, e - s }'
  else
    echo "100 MB through ${tool%% *}: FAILED"; status=1
  fi
done

# The window path: the Windows build's window-bench drives kova.exe and
# chgu.exe under Wine on a virtual display, in the Wine prefix that the
# Windows tests use.
echo
if cmake --preset mingw -DTIPSTAT_BUILD_BENCH=ON >/dev/null &&
   cmake --build --preset mingw -j"$(nproc)" --target window-bench >/dev/null; then
  scripts/wine-run.sh --virtual-display wine build/mingw/bench/window-bench.exe || status=1
else
  echo "window benchmark: the Windows build failed"; status=1
fi
exit $status
