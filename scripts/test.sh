#!/usr/bin/env bash
# Checks the C++ layout, then builds everything and runs every test: the
# native builds, the page (its tests in headless Chromium and WebKit against
# the native tools), then the Windows build, whose tests run under Wine on a
# virtual display.
# --with-sanitizers: the native tests again under AddressSanitizer and
#   UndefinedBehaviorSanitizer.
# --with-fuzzing: every fuzz target for a bounded time (20 s each, two at a
#   time: the stage, build included, stays under five minutes).
# Usage: scripts/test.sh [--with-sanitizers] [--with-fuzzing]
set -euo pipefail
cd "$(dirname "$0")/.."

sanitizers=false fuzzing=false
for option in "$@"; do
  case $option in
    --with-sanitizers) sanitizers=true ;;
    --with-fuzzing) fuzzing=true ;;
    *) echo "usage: scripts/test.sh [--with-sanitizers] [--with-fuzzing]" >&2; exit 2 ;;
  esac
done
if $fuzzing; then
  scripts/setup-debian.sh --with-fuzzing
else
  scripts/setup-debian.sh
fi

# The layout first: it names every C++ file that .clang-format would change.
scripts/check-format.sh

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake --preset release -DTIPSTAT_WERROR=$werror >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

scripts/web-test.sh

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
# Under Wine on a virtual display, with Wine's server started apart from
# the run and ended with it (see scripts/wine-run.sh); a test that fails with
# a failure of Wine's own runs once more, named in the output.
scripts/ctest-wine.sh -j"$jobs"
