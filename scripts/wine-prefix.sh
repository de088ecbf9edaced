#!/usr/bin/env bash
# Prepares the Wine prefix in which the Windows build runs: started once,
# with 宋体 (SimSun) mapped to the installed Chinese font so that captions do
# not come out as boxes. scripts/wine-run.sh runs it before every command.
# Usage: scripts/wine-prefix.sh PREFIX [--virtual-display]   (safe to run again)
# On a virtual display, which has no window manager, Wine draws the window
# frames itself, so that the caption shows (and is in the screenshots).
set -euo pipefail
export WINEPREFIX=$1
source "$(dirname "$0")/wine-env.sh"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine_detached 300 wine wineboot -i || true
fi

settings="$WINEPREFIX/tipstat.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  for key in 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
             'HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements'; do
    printf '[%s]\r\n' "$key"
    printf '"宋体"="WenQuanYi Micro Hei"\r\n"SimSun"="WenQuanYi Micro Hei"\r\n\r\n'
  done
  managed=Y
  [ "${2:-}" = "--virtual-display" ] && managed=N
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="%s"\r\n\r\n' "$managed"
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$settings"
wine_detached 120 wine regedit /S "$settings"
# The server writes the registry to the prefix when it ends, a few seconds
# after its last process.
timeout 60 wineserver -w || wine_stop_server
