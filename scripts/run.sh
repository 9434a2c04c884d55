#!/usr/bin/env bash
# Builds the controller and starts it; with no unit attached it talks to its built-in simulated unit.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVTG_TESTS=OFF
cmake --build "$build"
exec "$build/vtg7300" "${@:---demo}"
