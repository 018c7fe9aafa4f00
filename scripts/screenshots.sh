#!/usr/bin/env bash
# Renders each tab of the window in each language to PNG under xvfb-run.
# Usage: scripts/screenshots.sh [folder]   (default build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
mkdir -p "$out"
cmake --build build --target render_window >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/app/render_window "$out"
ls "$out"
