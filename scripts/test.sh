#!/usr/bin/env bash
# Builds everything and runs every test. Usage: scripts/test.sh [--with-sanitizers]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake --preset release -DTIPSTAT_WERROR=$werror >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

if [ "${1:-}" = "--with-sanitizers" ]; then
  cmake --preset asan -DTIPSTAT_WERROR=$werror >/dev/null
  cmake --build --preset asan -j"$jobs"
  ctest --preset asan -j"$jobs"
fi
