#!/usr/bin/env bash
# cmake --install puts the game, its desktop entry, metainfo, icons, manual page and
# documents under any prefix.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in games/ormal share/applications/ormal.desktop share/metainfo/org.ormal.Ormal.metainfo.xml \
    share/icons/hicolor/scalable/apps/ormal.svg share/man/man6/ormal.6.gz \
    share/doc/ormal/copyright share/doc/ormal/changelog.gz; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$prefix/games/ormal" ] || { echo "games/ormal is not executable"; exit 1; }
grep -qx 'Name=Планета Ормаль' "$prefix/share/applications/ormal.desktop"
grep -q '^Categories=.*Game;' "$prefix/share/applications/ormal.desktop"
grep -qx 'Exec=ormal' "$prefix/share/applications/ormal.desktop"
for size in 32 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/ormal.png" |
        grep -q "PNG image data, $size x $size," || { echo "no $size x $size icon"; exit 1; }
done
echo "installed under $prefix"
