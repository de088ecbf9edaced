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
# the same one. One idle Windows process (cmd reading a pipe) keeps Wine's
# server and its services up for the whole run: otherwise every test starts
# them afresh, and a test starting while they shut down can fail with "wine
# client error: recvmsg: Connection reset by peer". A test that fails is run
# once more, as such a failure of Wine's own is not the test's; a real fault
# fails both times. Closing the pipe ends cmd, and the server is waited for
# so that the virtual display outlives every Windows process.
export WINEPREFIX="$PWD/build/mingw/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  scripts/wine-prefix.sh "$WINEPREFIX" --virtual-display
  exec 3> >(wine cmd >/dev/null 2>&1)
  status=0
  ctest --preset mingw -j"$1" --repeat until-pass:2 || status=$?
  exec 3>&-
  wineserver -w
  exit $status' windows-tests "$jobs"
