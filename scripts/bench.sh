#!/usr/bin/env bash
# Throughput benchmark of both engines (ratios against a plain pass over the
# same text, and growth from 1 MB to 16 MB), then a 100 MB input through each
# command-line tool (each step's share of the time, the tool against the
# engine alone, its memory against the input), then the engines in the
# page's WebAssembly beside the native build, a 1 MB paste through the page in headless Chromium
# and the page's site opened at phone size to its first 码统计 (first open, and offline), then
# the statistics buttons of both windows under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target tipstat-bench tip-text-generate kova-cli chgu-cli \
  kova-path-bench chgu-path-bench

status=0
build/release/bench/tipstat-bench "$@" || status=$?

input=$(mktemp)
trap 'rm -f "$input"' EXIT
build/release/bench/tip-text-generate 100 > "$input"
echo
build/release/bench/kova-path-bench build/release/kova/kova-cli "$input" || status=1
echo
build/release/bench/chgu-path-bench build/release/chgu/chgu-cli "$input" || status=1

# The page: the engines built for it (WebAssembly, run by node) beside the
# native build on the same text, and the page itself in headless Chromium.
echo
cmake --build --preset release -j"$(nproc)" --target engine-speed >/dev/null
if cmake --preset web >/dev/null && cmake --build --preset web >/dev/null &&
   cmake --build --preset web --target engine-speed >/dev/null; then
  join -j 1 <(build/release/bench/engine-speed | sort) <(node build/web/bench/engine-speed.js | sort) |
    awk 'BEGIN { printf "%-16s %12s %12s %8s  %s\n", "statistic", "native MB/s", "wasm MB/s", "ratio", "target" }
         { r = $3 / $2; printf "%-16s %12.1f %12.1f %8.2f  %s\n", $1, $2, $3, r, r >= 0.5 ? "ok" : "below 1/2" }'
  (cd web && npm ci --no-audit --no-fund --loglevel=error && node bench/paste_time.mjs &&
     node bench/open_time.mjs) || status=1
else
  echo "page benchmark: the web build failed"; status=1
fi

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
