#!/usr/bin/env bash
# Installs what building and testing both programs needs on Debian 12
# ("bookworm"). Safe to run any number of times: it installs only what is
# missing.
# --with-fuzzing: also what the fuzz targets need (scripts/fuzz.sh, and
#   scripts/test.sh --with-fuzzing).
# Usage: scripts/setup-debian.sh [--with-fuzzing]
set -euo pipefail

packages=(build-essential cmake pkg-config libgtest-dev googletest libbenchmark-dev
  # The C++ layout check (scripts/check-format.sh).
  clang-format
  # The command-line tools' argument parser (header only, for both builds).
  libcli11-dev
  # The Windows build (mingw-w64) and running it and its tests under Wine on a
  # virtual display, with Wine's own fonts and a Chinese font for the captions;
  # imagemagick draws kova's icon (kova/window/win32/make-icon.sh), also as the page's app icons.
  mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth fonts-wqy-microhei
  imagemagick
  # The page tipstat.html: emscripten compiles both programs to WebAssembly;
  # its tests drive Chromium headless from node (npm comes with nodejs), and
  # WebKit, the engine of every iPhone browser, through WebKitGTK's
  # WebDriver and MiniBrowser on the virtual display.
  emscripten nodejs chromium webkit2gtk-driver)
case ${1:-} in
  --with-fuzzing)
    # clang with libFuzzer and the sanitizer runtimes, and llvm's symbolizer
    # for readable reports: the distribution's default version of each.
    packages+=(clang libclang-rt-dev llvm) ;;
  "") ;;
  *) echo "usage: scripts/setup-debian.sh [--with-fuzzing]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
