#!/usr/bin/env bash
# zanfo-cli against openssl enc -bf-cbc on the same file, in one run on this machine.
# Usage: bench/compare.sh [MiB] [folder]   (default 256 MiB in a fresh folder under /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
mib="${1:-256}"
dir="$(mktemp -d "${2:-/tmp}/zanfo-bench-XXXXXX")"
trap 'rm -rf "$dir"' EXIT

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZANFO_BENCH=ON -DZANFO_TESTS=OFF -DZANFO_GUI=ON >/dev/null
cmake --build build-bench >/dev/null
cli=build-bench/cli/zanfo-cli

head -c "$((mib << 20))" /dev/urandom >"$dir/plain"
cat "$dir/plain" >/dev/null   # page cache warm
ossl=(openssl enc -provider legacy -provider default -bf-cbc -nopad
      -K 000102030405060708090a0b0c0d0e0f -iv 0001020304050607)

# Best of three wall-clock runs, in seconds.
best() {
  local best_t=999999 t0 t1 t
  for _ in 1 2 3; do
    t0=$(date +%s.%N); "$@" >/dev/null 2>&1; t1=$(date +%s.%N)
    t=$(echo "$t1 - $t0" | bc -l)
    if (( $(echo "$t < $best_t" | bc -l) )); then best_t=$t; fi
  done
  echo "$best_t"
}

zc=$(best sh -c "echo pw | $cli codify --password-stdin '$dir/plain' -o '$dir/z.xxx'")
zd=$(best sh -c "echo pw | $cli decodify --password-stdin '$dir/z.xxx' -o '$dir/z.out'")
oc=$(best "${ossl[@]}" -e -in "$dir/plain" -out "$dir/o.enc")
od=$(best "${ossl[@]}" -d -in "$dir/o.enc" -out "$dir/o.out")
cmp "$dir/plain" "$dir/z.out"

speed=$(openssl speed -provider legacy -provider default -evp bf-cbc -decrypt -bytes 8192 -seconds 3 2>/dev/null \
        | awk '/^BF-CBC|^bf-cbc/ {print $NF}' | tr -d k)
# Google Benchmark prints bytes_per_second=NNN.NM/s, in MiB/s.
kernel=$(build-bench/bench/zanfo_bench --benchmark_filter='DecryptCBC' --benchmark_min_time=2 2>/dev/null \
         | sed -n 's/^DecryptCBC.*bytes_per_second=\([0-9.]*\)M\/s.*/\1/p')

mbps() { echo "scale=1; $mib * 1.048576 / $1" | bc -l; }
echo "file: $mib MiB in $dir ($(df -T "$dir" | awk 'NR==2 {print $2}'))"
printf '%-32s %8s s %8s MB/s\n' "zanfo-cli codify" "$zc" "$(mbps "$zc")"
printf '%-32s %8s s %8s MB/s\n' "openssl enc -bf-cbc -e" "$oc" "$(mbps "$oc")"
printf '%-32s %8s s %8s MB/s\n' "zanfo-cli decodify" "$zd" "$(mbps "$zd")"
printf '%-32s %8s s %8s MB/s\n' "openssl enc -bf-cbc -d" "$od" "$(mbps "$od")"
echo "codify / openssl encrypt:   $(echo "scale=2; $oc / $zc" | bc -l) x"
echo "decodify / openssl decrypt: $(echo "scale=2; $od / $zd" | bc -l) x"
kernel_mb=$(echo "scale=1; $kernel * 1.048576" | bc -l)
speed_mb=$(echo "scale=1; $speed / 1000" | bc -l)
echo "DecryptCBC kernel: $kernel_mb MB/s; openssl speed -evp bf-cbc -decrypt (8 KiB): $speed_mb MB/s"
echo "kernel / openssl speed:     $(echo "scale=2; $kernel_mb / $speed_mb" | bc -l) x"
