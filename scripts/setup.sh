#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, run and test Zanfo.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev   # compilers, sanitizer and fuzzer runtimes
  libgtest-dev libbenchmark-dev                    # tests and benchmarks
  qt6-base-dev libgl-dev                           # the window
  xvfb xauth fonts-liberation2                     # a display for screenshots, the fonts the window asks for
  openssl desktop-file-utils dpkg-dev file         # benchmarks, desktop entry check, packaging
  libxml2-utils shared-mime-info groff-base bc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
