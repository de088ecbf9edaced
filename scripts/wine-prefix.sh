#!/usr/bin/env bash
# Prepares the Wine prefix in which the Windows build runs: started once,
# with 宋体 (SimSun) mapped to the installed Chinese font so that captions
# do not come out as boxes. Usage: scripts/wine-prefix.sh PREFIX
# Safe to run again: a prepared prefix is left as it is.
set -euo pipefail

prefix=$(realpath -m "$1")
export WINEPREFIX=$prefix
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono / Gecko installer dialog
export WINEDEBUG=-all

if [ ! -f "$prefix/.tipstat-ready" ]; then
  mkdir -p "$prefix"
  wine wineboot -i >/dev/null 2>&1 || true
  reg_file="$prefix/fonts.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    for key in 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
               'HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements'; do
      printf '[%s]\r\n' "$key"
      printf '"宋体"="WenQuanYi Micro Hei"\r\n"SimSun"="WenQuanYi Micro Hei"\r\n\r\n'
    done
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg_file"
  wine regedit /S "$reg_file" >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.tipstat-ready"
fi
