#!/usr/bin/env bash
# Builds the page tipstat.html (preset web) and runs its tests: node's test
# runner drives the system's Chromium, headless, through playwright-core,
# then, for a chosen part of the tests (web/webkit), WebKit: WebKitGTK's
# MiniBrowser through its WebDriver (webkit2gtk-driver) and
# selenium-webdriver, on a virtual display of its own (xvfb-run). Both
# clients are the versions pinned in web/package-lock.json; no browser is
# downloaded. The tests compare the page with the native command-line tools,
# so the release build must be there (scripts/test.sh builds it first).
# Screenshots of both tabs at phone and desktop width go to
# build/web/screenshots.
# Usage: scripts/web-test.sh [TEST FILE...]   (default: every test, both stages)
set -euo pipefail
# The test files as given, wherever this is run from.
files=()
for file in "$@"; do
  files+=("$(realpath "$file")")
done
cd "$(dirname "$0")/.."

cmake --preset web >/dev/null
cmake --build --preset web
cmake --build --preset release -j"$(nproc)" --target kova-cli chgu-cli cp936-walk year-tables

# MiniBrowser needs an X display: a virtual one, whatever $DISPLAY is.
on_virtual_display() {
  xvfb-run -a -s '-screen 0 1280x1024x24' "$@"
}

cd web
npm ci --no-audit --no-fund --loglevel=error
if [ ${#files[@]} -gt 0 ]; then
  on_virtual_display node --test --test-concurrency=1 "${files[@]}"
else
  npm test
  echo "The page in WebKit:"
  on_virtual_display npm run --silent test-webkit
fi
