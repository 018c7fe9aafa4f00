#!/usr/bin/env bash
# Sets up a fresh machine, builds Zanfo and runs every test: the suite as
# shipped, the suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the Debian package (in CI, or with ZANFO_PACKAGE_TEST=1), and the fuzz target
# for a short while.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/.."
"$here/setup.sh"

log="$(mktemp)"
trap 'rm -f "$log"' EXIT

echo "== Release build and tests"
"$here/build.sh"
ctest --test-dir build --output-on-failure -j2 | tee -a "$log"

echo "== Tests under ASan and UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZANFO_SANITIZE=address,undefined >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 | tee -a "$log"

# Installing the package changes the machine: CI does it, a developer asks for it.
if [ "${CI:-}" = "true" ] || [ "${ZANFO_PACKAGE_TEST:-}" = "1" ]; then
  echo "== The Debian package"
  "$here/package-test.sh"
fi

echo "== Fuzzing the decoder for ${ZANFO_FUZZ_SECONDS:=30} s"
"$here/fuzz.sh" "$ZANFO_FUZZ_SECONDS"

# One closing line for both runs (a failure above has already stopped the script).
awk '/tests passed, [0-9]+ tests failed out of/ {total += $NF; failed += $4}
     END {printf "%d passed, %d failed\n", total - failed, failed}' "$log"
