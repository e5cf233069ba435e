#!/usr/bin/env bash
# Builds the game twice (a normal debug build and one with AddressSanitizer and
# UndefinedBehaviorSanitizer, which also runs the fuzz targets) and runs the
# whole test suite in each.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

for preset in dev asan; do
  echo "== $preset build =="
  cmake --preset "$preset" > /dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
