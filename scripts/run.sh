#!/usr/bin/env bash
# Builds the product, registers the add-in in a registry of the build folder, and runs the
# host with the add-in loaded on the example documents. Without a display it plays the
# example tour offscreen and leaves its screenshots, and the files it exported, in build/tour.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

bin=build/default/bin
export QUENMOOR_REGISTRY="$PWD/build/default/registry.json"
"$bin/regsvr" "$bin/workbook.so"
"$bin/regsvr" "$bin/quenmoortools.so"
"$bin/cadhost" --enable-addin Quenmoor_Systems.Application >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/cadhost" examples/bracket.json examples/frame.json examples/bracket-drawing.json
fi

export TOUR="$PWD/build/tour"
rm -rf "$TOUR"
mkdir -p "$TOUR"
"$bin/cadhost" --script examples/tour.qms
echo "The tour's screenshots and exported files are in $TOUR:"
ls "$TOUR"
