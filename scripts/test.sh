#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVTG_SANITIZE=ON
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches for the life of the process; those are not our leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ctest --test-dir "$build" --output-on-failure -j2

# The Debian package, from a Release build of its own, checked by lintian and appstreamcli.
bash scripts/package.sh

# Then every parser under libFuzzer: a clang build of the core and the simulated unit alone,
# in which CTest runs each fuzz target for FUZZ_SECONDS on a scratch copy of its corpus.
fuzz_build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVTG_WITH_QT=OFF -DVTG_FUZZ=ON -DVTG_FUZZ_SECONDS="${FUZZ_SECONDS:-30}"
cmake --build "$fuzz_build"
# No Qt here: leaks are ours.
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir "$fuzz_build" --output-on-failure -j2
cat "$fuzz_build"/tests/fuzz/scratch/*/summary
