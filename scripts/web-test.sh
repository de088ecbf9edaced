#!/usr/bin/env bash
# Builds the page tipstat.html (preset web) and runs its tests: node's test
# runner drives the system's Chromium, headless, through playwright-core
# (the version pinned in web/package-lock.json; no browser is downloaded).
# They compare the page with the native command-line tools, so the release
# build must be there (scripts/test.sh builds it first). Screenshots of both
# tabs at phone and desktop width go to build/web/screenshots.
# Usage: scripts/web-test.sh [TEST FILE...]   (default: every test)
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset web >/dev/null
cmake --build --preset web
cmake --build --preset release -j"$(nproc)" --target kova-cli chgu-cli cp936-walk year-tables

cd web
npm ci --no-audit --no-fund --loglevel=error
if [ $# -gt 0 ]; then
  node --test --test-concurrency=1 "$@"
else
  npm test
fi
