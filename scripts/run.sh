#!/usr/bin/env bash
# Builds the product, registers the add-in in a registry of the build folder, and runs the
# host with the add-in loaded on the example tour.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

bin=build/default/bin
export QUENMOOR_REGISTRY="$PWD/build/default/registry.json"
"$bin/regsvr" "$bin/quenmoortools.so"
"$bin/cadhost" --enable-addin Quenmoor_Systems.Application >/dev/null

"$bin/cadhost" --script examples/tour.qms
