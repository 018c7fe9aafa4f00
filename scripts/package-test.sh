#!/usr/bin/env bash
# Builds the Debian package, installs it with its dependencies, uses it, and
# removes it again, checking that nothing is left. Changes the system: run it as
# root on a machine where that is fine (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package test: needs root, skipped"; exit 0; }

rm -rf build/package
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/package/zanfo_*.deb)
echo "package: $deb"
dpkg-deb --info "$deb" | grep -E "Package|Version|Depends"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
files=$(dpkg -L zanfo | while read -r f; do [ -f "$f" ] && echo "$f"; done)
zanfo-cli --help | head -n 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "package test" >"$work/note.txt"
echo pw | zanfo-cli codify --password-stdin "$work/note.txt"
rm "$work/note.txt"
echo pw | zanfo-cli decodify --password-stdin "$work/note.txt.xxx"
[ "$(cat "$work/note.txt")" = "package test" ] || { echo "FAIL: round trip"; exit 1; }
grep -q 'application/x-zanfo-protected:\*\.xxx' /usr/share/mime/globs2 || { echo "FAIL: MIME type not registered"; exit 1; }

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq --purge zanfo >/dev/null
left=""
for f in $files; do [ -e "$f" ] && left="$left $f"; done
[ -z "$left" ] || { echo "FAIL: left after removal:$left"; exit 1; }
! dpkg -s zanfo >/dev/null 2>&1 || { echo "FAIL: still installed"; exit 1; }
grep -q 'x-zanfo-protected' /usr/share/mime/globs2 && { echo "FAIL: MIME type left registered"; exit 1; }
echo "package: installs, runs and removes cleanly"
