#!/usr/bin/env bash
# Prepares the Wine prefix in which the Windows build runs: started once,
# with 宋体 (SimSun) mapped to the installed Chinese font so that captions do
# not come out as boxes.
# Usage: scripts/wine-prefix.sh PREFIX [--virtual-display]   (safe to run again)
# On a virtual display, which has no window manager, Wine draws the window
# frames itself, so that the caption shows (and is in the screenshots).
set -euo pipefail

prefix=$(realpath -m "$1")
export WINEPREFIX=$prefix
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono / Gecko installer dialog
export WINEDEBUG=-all

if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  wine wineboot -i >/dev/null 2>&1 || true
fi

settings="$prefix/tipstat.reg"
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
wine regedit /S "$settings" >/dev/null 2>&1
wineserver -w
