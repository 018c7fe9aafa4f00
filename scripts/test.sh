#!/usr/bin/env bash
# Sets up a fresh machine, builds Zanfo and runs every test: the suite as
# shipped, the suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the fuzz target for a short while.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/.."
"$here/setup.sh"

echo "== Release build and tests"
"$here/build.sh"
ctest --test-dir build --output-on-failure -j2

echo "== Tests under ASan and UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZANFO_SANITIZE=address,undefined >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2

echo "== Fuzzing the decoder for ${ZANFO_FUZZ_SECONDS:=30} s"
"$here/fuzz.sh" "$ZANFO_FUZZ_SECONDS"
