#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each on its committed corpus for a
# bounded time. New inputs go to a scratch folder; the corpus is not changed.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPHX_FUZZ=ON \
  -DPHX_BUILD_TESTS=OFF -DPHX_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz --target input_path_fuzzer codec_fuzzer

for target in input_path codec; do
  scratch=$(mktemp -d)
  echo "fuzzing $target for ${seconds}s"
  build-fuzz/fuzz/${target}_fuzzer -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 "$scratch" "fuzz/corpus/$target" 2>&1 | tail -n 12
  status=${PIPESTATUS[0]}
  rm -rf "$scratch"
  [ "$status" -eq 0 ] || { echo "fuzzing $target found a fault" >&2; exit 1; }
done
