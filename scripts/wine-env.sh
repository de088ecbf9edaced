# Sourced by the scripts that run the Windows build under Wine: the prefix
# and the settings every Windows process of ours runs with, and how Wine's own
# processes are started apart from the run.

# A throwaway prefix inside the build folder (the mingw test preset names
# the same one), unless WINEPREFIX says otherwise.
WINEPREFIX=$(realpath -m "${WINEPREFIX:-$(dirname "${BASH_SOURCE[0]}")/../build/mingw/wineprefix}")
export WINEPREFIX
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono / Gecko installer dialog
export WINEDEBUG=-all

# Replaces the shell with the command, with /dev/null for its standard
# streams, no other descriptor of ours and a session of its own. Wine's
# server and its services outlive the Windows process that starts them and
# keep whatever it held: a pipe of ours among them would never reach its end.
exec_detached() {
  for fd in /proc/$BASHPID/fd/*; do
    fd=${fd##*/}
    case $fd in
      0 | 1 | 2) ;;
      *) eval "exec $fd>&-" ;;
    esac
  done 2>/dev/null
  exec setsid "$@" </dev/null >/dev/null 2>&1
}

# Runs a command detached as above and waits for it, at most SECONDS.
# Usage: wine_detached SECONDS COMMAND [ARGS...]
wine_detached() {
  local seconds=$1
  shift
  (exec_detached -w timeout "$seconds" "$@")
}

# Ends this prefix's server and every Windows process in it (no other
# prefix's), and waits for it to be gone, for a bounded time.
wine_stop_server() {
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
}
