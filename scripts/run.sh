#!/usr/bin/env bash
# Sets up a fresh machine, builds Zanfo and starts it. Arguments go to the program.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
exec "$here/../build/app/zanfo" "$@"
