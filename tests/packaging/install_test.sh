#!/usr/bin/env bash
# The installed tree (cmake --install into a DESTDIR) holds the programs, the
# desktop entry, the icons, the MIME type and the manual page, and they are valid.
set -euo pipefail
build="$1"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
share="$dest/usr/share"
for f in "$dest/usr/bin/zanfo" "$dest/usr/bin/zanfo-cli" "$share/applications/zanfo.desktop" \
         "$share/mime/packages/zanfo.xml" "$share/man/man1/zanfo-cli.1"; do
  [ -f "$f" ] || fail "missing ${f#$dest}"
done
for size in 16 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/zanfo.png"
  [ -f "$icon" ] || fail "missing icon ${size}x${size}"
  file "$icon" | grep -q "$size x $size" || fail "icon ${size}x${size} is $(file -b "$icon")"
done

# The desktop entry validates and opens protected files with the window.
desktop-file-validate "$share/applications/zanfo.desktop" || fail "desktop entry"
grep -qx 'Exec=zanfo %f' "$share/applications/zanfo.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-zanfo-protected;' "$share/applications/zanfo.desktop" || fail "MimeType line"

# The MIME type is well formed and the desktop's database takes "*.xxx" from it.
xmllint --noout "$share/mime/packages/zanfo.xml" || fail "MIME XML"
update-mime-database "$share/mime" 2>/dev/null
grep -q 'application/x-zanfo-protected:\*\.xxx' "$share/mime/globs2" || fail "*.xxx not in the MIME database"
grep -q 'Zanfo protected file' "$share/mime/application/x-zanfo-protected.xml" || fail "MIME comment"

# The manual page renders without warnings, and the program installed runs.
warnings=$(groff -man -Tutf8 -ww -z "$share/man/man1/zanfo-cli.1" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
"$dest/usr/bin/zanfo-cli" --help | grep -q "zanfo-cli codify" || fail "installed zanfo-cli"
echo "installed tree: complete and valid"
