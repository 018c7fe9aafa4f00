#!/usr/bin/env bash
# Builds the libFuzzer target over the decoder and runs it for N seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
  -DZANFO_FUZZ=ON -DZANFO_GUI=OFF -DZANFO_TESTS=OFF >/dev/null
cmake --build build-fuzz --target decode_fuzz
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/decode_fuzz build-fuzz/corpus fuzz/seeds -max_total_time="$seconds" -max_len=20000 \
  -print_final_stats=1 2>&1 | tail -n 12
