#!/usr/bin/env bash
# Builds both programs and shows program A at work on an example tip text.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"

cli=build/release/kova/kova-cli
echo "\$ printf '鼠 05 12' | $cli number --year 2003 --layout 2"
printf '鼠 05 12' | "$cli" number --year 2003 --layout 2
