#!/usr/bin/env bash
# Runs a command with the Windows build's Wine prefix prepared and Wine's
# server and services up: ctest of the Windows build, a test program, a
# program's window.
#
# The server, its services (services.exe, winedevice.exe, ...) and the
# desktop (explorer.exe) are started before the command by processes of
# their own that hold nothing of the run (standard streams /dev/null, no
# other descriptor): started by a test or a test discovery instead, they
# would inherit its output pipe, which would then not reach its end. They
# stay up for the whole command (the server is persistent), so no Windows
# process of the command starts them or meets them shutting down.
# When the command ends, however it ends, this prefix's server is ended (no
# other prefix's) and waited for, for a bounded time.
#
# Usage: scripts/wine-run.sh [--virtual-display] COMMAND [ARGS...]
#   --virtual-display  on a virtual X display of its own (xvfb-run), where
#                      Wine draws the window frames itself; otherwise on
#                      $DISPLAY.
# The prefix is build/mingw/wineprefix, the mingw test preset's, unless
# WINEPREFIX names another. COMMAND runs in the current folder, with
# TIPSTAT_WINE_UP set.
set -euo pipefail
scripts=$(dirname "$0")

# Every Windows process of the run starts with the same address-space layout
# (no randomisation, which children inherit). Debian's Wine maps a page of its
# own at a fixed address (the shared user data, 0x7ffe0000) only after the C
# library has placed its heap, and the kernel puts that heap anywhere within
# 1 GB above the loader (/usr/lib/wine/wine64, at 0x7d000000): about one start
# in a thousand the heap covers the page and the new process ends before it
# runs, which its parent sees as CreateProcessW failing with error 1359 and
# nothing printed (WINEDEBUG=-all hides Wine's "failed to map the shared user
# data"). Without randomisation the heap starts right after the loader.
if [ -z "${TIPSTAT_WINE_FIXED_LAYOUT:-}" ]; then
  export TIPSTAT_WINE_FIXED_LAYOUT=1
  exec setarch "$(uname -m)" --addr-no-randomize "$0" "$@"
fi

usage() {
  echo "usage: scripts/wine-run.sh [--virtual-display] COMMAND [ARGS...]" >&2
  exit 2
}

display=given
case ${1:-} in
  --virtual-display)
    shift
    [ $# -gt 0 ] || usage
    exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" --on-virtual-display "$@"
    ;;
  --on-virtual-display)
    shift
    display=virtual
    ;;
esac
[ $# -gt 0 ] || usage
source "$scripts/wine-env.sh"

if [ -n "${TIPSTAT_WINE_UP:-}" ]; then
  exec "$@"  # within a run already: its server is up
fi

if [ $display = virtual ]; then
  "$scripts/wine-prefix.sh" "$WINEPREFIX" --virtual-display
else
  "$scripts/wine-prefix.sh" "$WINEPREFIX"
fi

# The desktop (explorer.exe) closes a moment after its last window goes and
# is started again by the next Windows process that needs it, with that
# process's output: a keeper that holds a hidden window (rundll32, sleeping
# a minute or more at a time) keeps it up for the whole command.
keeper=""
keeping=$(mktemp)
stop() {
  rm -f "$keeping"
  [ -n "$keeper" ] && kill "$keeper" 2>/dev/null
  wine_stop_server
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

wine_detached 30 wineserver --persistent
wine_detached 120 wine wineboot || true
(exec_detached bash -c 'while [ -e "$1" ]; do wine rundll32.exe kernel32.dll,Sleep; sleep 1; done' \
  keeper "$keeping") &
keeper=$!

# Up when the desktop is there and a Windows process starts, runs and ends.
# The probe's output goes to a file, not a pipe: should it start anything
# that stays, nothing waits for it.
desktop_up() {
  local p
  for p in /proc/[0-9]*; do
    if grep -qzx "WINEPREFIX=$WINEPREFIX" "$p/environ" 2>/dev/null &&
       grep -qz 'explorer.exe' "$p/cmdline" 2>/dev/null; then
      return 0
    fi
  done
  return 1
}
probe=$(mktemp)
up=false
for ((try = 0; try < 60; try++)); do
  if desktop_up; then
    wine_detached 20 sh -c 'exec wine cmd /c echo up >"$1"' probe "$probe" || true
    if grep -q up "$probe"; then
      up=true
      break
    fi
  fi
  sleep 0.5
done
rm -f "$probe"
if ! $up; then
  echo "wine-run: Wine's server and desktop for $WINEPREFIX did not come up" >&2
  exit 1
fi

export TIPSTAT_WINE_UP=1
status=0
"$@" || status=$?
exit $status
