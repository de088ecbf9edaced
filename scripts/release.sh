#!/usr/bin/env bash
# Makes the release: both Windows programs built without tests or test
# hooks (the preset mingw-release, in build/mingw-release), the archive laid
# out by its install rules (the year tables written by the generator under
# Wine, the page built with the web preset), checked to hold neither test
# hook, and its path printed on the last line.
# Usage: scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release -j"$(nproc)"
# The package step runs year-tables.exe, so under Wine with its server
# started apart from the run (see scripts/wine-run.sh).
scripts/wine-run.sh --virtual-display cmake --build --preset mingw-release --target package

archive=$(realpath build/mingw-release/tipstat-1.0.0-win64.zip)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$archive" -d "$unpacked"
for program in kova.exe chgu.exe; do
  file=$(find "$unpacked" -name "$program")
  if [ -z "$file" ]; then
    echo "release: no $program in $archive" >&2
    exit 1
  fi
  for hook in TIPSTAT_TODAY CHGU_CHANGE_DATE_KEY; do
    if grep -aq "$hook" "$file"; then
      echo "release: $program in $archive reads the test hook $hook" >&2
      exit 1
    fi
  done
done
if [ -d build/web/site ]; then
  echo "The page's folder for a web host: $(realpath build/web/site)"
fi
echo "The release archive:"
echo "$archive"
