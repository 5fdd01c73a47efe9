#!/usr/bin/env bash
# Builds PHRAXIS and runs every test.
#   scripts/test.sh             optimised build in build/, warnings as errors
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DPHX_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  options+=(-DPHX_SANITIZE=ON -DPHX_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

scripts/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja "${options[@]}" > /dev/null
cmake --build "$build_dir"
# Any sanitizer report fails the test that caused it.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
