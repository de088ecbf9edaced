#!/usr/bin/env bash
# Builds everything and runs every test: the native builds, then the Windows
# build, whose tests run under Wine on a virtual display.
# Usage: scripts/test.sh [--with-sanitizers]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake --preset release -DTIPSTAT_WERROR=$werror >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

if [ "${1:-}" = "--with-sanitizers" ]; then
  cmake --preset asan -DTIPSTAT_WERROR=$werror >/dev/null
  cmake --build --preset asan -j"$jobs"
  ctest --preset asan -j"$jobs"
fi

cmake --preset mingw -DTIPSTAT_WERROR=$werror >/dev/null
cmake --build --preset mingw -j"$jobs"
# A throwaway prefix inside the build folder; the test preset points Wine at
# the same one. Wine's server is waited for so that the virtual display
# outlives every Windows process.
export WINEPREFIX="$PWD/build/mingw/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  scripts/wine-prefix.sh "$WINEPREFIX" --virtual-display
  status=0
  ctest --preset mingw -j"$1" || status=$?
  wineserver -w
  exit $status' windows-tests "$jobs"
