#!/usr/bin/env bash
# Builds both programs for Windows as the release does (the preset
# mingw-release: no tests, no test hooks) and opens their windows, under Wine
# on Linux: kova.exe (program A) and chgu.exe (program B), or the one named,
# from build/mingw-release/release, a folder laid out as the release archive holds
# them (YearTables.txt, Define.txt and readme.txt beside them), so that they
# open as a player's copy does today. With no display to open them on, says
# so and shows an example of each command-line tool instead.
# `web` builds the page tipstat.html and its site instead, prints the page's
# path and serves the site on localhost (and the machine's LAN addresses)
# until Ctrl-C, opened in the browser where there is a display.
# Usage: scripts/run.sh [kova|chgu|web]
set -euo pipefail
cd "$(dirname "$0")/.."

case ${1:-both} in
  kova) programs=(kova) ;;
  chgu) programs=(chgu) ;;
  both) programs=(kova chgu) ;;
  web) programs=() ;;
  *) echo "usage: scripts/run.sh [kova|chgu|web]" >&2; exit 2 ;;
esac
scripts/setup-debian.sh

if [ ${#programs[@]} -eq 0 ]; then
  cmake --preset web >/dev/null
  cmake --build --preset web
  echo "The one-file page, for use from a file (on a PC or a phone):"
  realpath build/web/tipstat.html
  open=()
  if [ -n "${DISPLAY:-}" ]; then
    open=(--open)
  else
    echo "No display (DISPLAY is not set): open the address below in a browser."
  fi
  # The site (the page with its manifest, worker and icons) on this
  # machine's addresses until Ctrl-C, opened in the browser where there is a
  # display.
  exec node web/site/serve.mjs build/web/site --lan "${open[@]}"
fi

if [ -z "${DISPLAY:-}" ]; then
  echo "No display (DISPLAY is not set): the windows cannot open here."
  echo "Here is each program's number statistics from its command-line tool instead."
  cmake --preset release >/dev/null
  cmake --build --preset release -j"$(nproc)" --target kova-cli chgu-cli
  show() {
    local text=$1
    shift
    echo
    echo "\$ printf '$text' | $*"
    printf '%s' "$text" | "$@"
  }
  show '鼠 05 12' build/release/kova/kova-cli number --year 2003 --layout 2
  show '3期 鼠,05,05' build/release/chgu/chgu-cli number --table-year 2008
  exit 0
fi

cmake --preset mingw-release >/dev/null
# Everything the archive holds; its folder is laid out below.
cmake --build --preset mingw-release -j"$(nproc)" --target kova chgu year-tables
release=build/mingw-release/release
commands=()
for program in "${programs[@]}"; do
  echo "Opening $release/$program.exe under Wine."
  commands+=("wine $release/$program.exe &")
done
echo "Close the window(s) to end (or press Ctrl-C)."
# All in one run of Wine's server, which ends when every window has closed;
# Ctrl-C stops the wait, and the run's end closes the windows. The folder is
# laid out there too: its YearTables.txt is written by the generator under
# Wine, in the prepared prefix.
scripts/wine-run.sh bash -c "trap 'exit 130' INT TERM
  cmake -DBUILD=build/mingw-release -DFOLDER=$release -P cmake/release-folder.cmake || exit
  ${commands[*]} wait"
