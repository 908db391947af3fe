#!/usr/bin/env bash
# Builds everything and runs all tests: the normal build, the AddressSanitizer and
# UndefinedBehaviorSanitizer build, then the add-in in FreeCAD's window (Qt 5, under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --freecad

for preset in default sanitize freecad; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j2
done
