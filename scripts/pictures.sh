#!/usr/bin/env bash
# Draws every window and dialog offscreen into docs/guide/pictures (or the folder given), the
# pictures of the operator's guide; to add one, add its line to tools/pictures/pictures.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-test}
out=${1:-docs/guide/pictures}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" --target vtg_pictures
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} "$build/vtg_pictures" "$out"
