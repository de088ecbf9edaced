#!/usr/bin/env bash
# Builds everything and runs every test: the native builds, then the Windows
# build, whose tests run under Wine on a virtual display.
# --with-sanitizers: the native tests again under AddressSanitizer and
#   UndefinedBehaviorSanitizer.
# --with-fuzzing: every fuzz target for a bounded time (20 s each, two at a
#   time: the stage, build included, stays under five minutes).
# Usage: scripts/test.sh [--with-sanitizers] [--with-fuzzing]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

sanitizers=false fuzzing=false
for option in "$@"; do
  case $option in
    --with-sanitizers) sanitizers=true ;;
    --with-fuzzing) fuzzing=true ;;
    *) echo "usage: scripts/test.sh [--with-sanitizers] [--with-fuzzing]" >&2; exit 2 ;;
  esac
done

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake --preset release -DTIPSTAT_WERROR=$werror >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

if $sanitizers; then
  cmake --preset asan -DTIPSTAT_WERROR=$werror >/dev/null
  cmake --build --preset asan -j"$jobs"
  ctest --preset asan -j"$jobs"
fi

if $fuzzing; then
  scripts/fuzz.sh 20
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
