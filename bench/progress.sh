#!/usr/bin/env bash
# The cost of the window's progress dialog on one file, next to zanfo-cli.
# Usage: bench/progress.sh [MiB] [folder]     (default 1024 MiB in /dev/shm)
set -euo pipefail
cd "$(dirname "$0")/.."
mib="${1:-1024}"
dir="$(mktemp -d "${2:-/dev/shm}/zanfo-progress-XXXXXX")"
trap 'rm -rf "$dir"' EXIT
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZANFO_BENCH=ON -DZANFO_TESTS=OFF -DZANFO_GUI=ON >/dev/null
cmake --build build-bench >/dev/null
head -c "$((mib << 20))" /dev/urandom >"$dir/plain"
best=999999
for _ in 1 2 3; do
  t0=$(date +%s.%N)
  echo benchmark | build-bench/cli/zanfo-cli codify --password-stdin "$dir/plain" -o "$dir/cli.xxx" 2>/dev/null
  t=$(echo "$(date +%s.%N) - $t0" | bc -l)
  if (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
done
echo "file: $mib MiB in $dir"
printf 'zanfo-cli codify:           %.3f s\n' "$best"
build-bench/bench/progress_cost "$dir/plain" "$dir/window.xxx" 2>/dev/null
cmp "$dir/cli.xxx" "$dir/window.xxx" && echo "both wrote the same bytes"
