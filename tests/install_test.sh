#!/usr/bin/env bash
# cmake --install puts the game, its desktop entry and its icon under any prefix.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/ormal share/applications/ormal.desktop share/icons/hicolor/32x32/apps/ormal.png; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$prefix/bin/ormal" ] || { echo "bin/ormal is not executable"; exit 1; }
grep -qx 'Name=Планета Ормаль' "$prefix/share/applications/ormal.desktop"
grep -q '^Categories=.*Game;' "$prefix/share/applications/ormal.desktop"
grep -qx 'Exec=ormal' "$prefix/share/applications/ormal.desktop"
file "$prefix/share/icons/hicolor/32x32/apps/ormal.png" | grep -q 'PNG image data, 32 x 32'
echo "installed under $prefix"
