#!/usr/bin/env bash
# Builds program A and opens its window: kova.exe, under Wine on Linux. With
# no display to open it on, says so and shows program A's statistics on the
# command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

if [ -z "${DISPLAY:-}" ]; then
  echo "No display (DISPLAY is not set): program A's window cannot open here."
  echo "Here is its number statistics on the command line instead."
  cmake --preset release >/dev/null
  cmake --build --preset release -j"$(nproc)" --target kova-cli
  cli=build/release/kova/kova-cli
  echo "\$ printf '鼠 05 12' | $cli number --year 2003 --layout 2"
  printf '鼠 05 12' | "$cli" number --year 2003 --layout 2
  exit 0
fi

cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$(nproc)" --target kova
export WINEPREFIX="$PWD/build/mingw/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
scripts/wine-prefix.sh "$WINEPREFIX"
echo "Opening build/mingw/kova/window/kova.exe under Wine; close its window to end."
wine build/mingw/kova/window/kova.exe
