#!/usr/bin/env bash
# The Debian package: built by CPack into a temporary directory, unpacked into a temporary
# root (nothing is installed), its files where it says, and checked by the Debian tools
# themselves: desktop-file-validate, appstreamcli, lintian (errors fail) and man.
# Usage: package_test.sh BUILD-DIR VERSION
set -euo pipefail
build=$1
version=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "$*"
    failed=1
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; exit 1; }
deb="$work/out/ormal_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $(basename "$deb") among: $(ls "$work/out")"; exit 1; }

# ---- The control fields ----
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ormal ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
# The libraries come from dpkg-shlibdeps, with versions; the fonts are named by hand.
depends=$(field Depends)
for dep in 'libsdl2-2.0-0 (>=' 'libcairo2 (>=' 'libpangocairo-1.0-0 (>=' 'librsvg2-2 (>=' \
    'libstdc++6 (>=' 'libc6 (>=' fonts-urw-base35 fonts-liberation2 fonts-dejavu-core; do
    [[ ", $depends," == *", $dep"* ]] || fail "Depends lacks $dep: $depends"
done
[ "$(field Description | wc -l)" -ge 4 ] || fail "no long description: $(field Description)"

# ---- The files, where the package lists them ----
root="$work/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' | sort >"$work/listed"
metainfo=usr/share/metainfo/org.ormal.Ormal.metainfo.xml
expected=(usr/games/ormal usr/share/applications/ormal.desktop "$metainfo"
    usr/share/icons/hicolor/scalable/apps/ormal.svg usr/share/man/man6/ormal.6.gz
    usr/share/doc/ormal/copyright usr/share/doc/ormal/changelog.gz)
for size in 32 64 128 256; do
    png=usr/share/icons/hicolor/${size}x$size/apps/ormal.png
    expected+=("$png")
    [ -f "$root/$png" ] && ! file "$root/$png" | grep -q "PNG image data, $size x $size," &&
        fail "$png: $(file -b "$root/$png")"
done
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing from the package: $f"
    grep -qx "$f" "$work/listed" || fail "not in the package's listing: $f"
done
file "$root/usr/games/ormal" | grep -q 'ELF.*, stripped' || fail "ormal: $(file -b "$root/usr/games/ormal")"
[ "$("$root/usr/games/ormal" --version)" = "ormal $version" ] ||
    fail "ormal --version: $("$root/usr/games/ormal" --version)"

# ---- One version everywhere ----
zcat "$root/usr/share/doc/ormal/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is not $version"
grep -q "<release version=\"$version\"" "$root/$metainfo" ||
    fail "the metainfo's releases lack $version"

# ---- The desktop entry and the metainfo ----
desktop-file-validate "$root/usr/share/applications/ormal.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$root/$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
grep -q '<launchable type="desktop-id">ormal.desktop</launchable>' "$root/$metainfo" ||
    fail "the metainfo does not launch ormal.desktop"
# Every screenshot named is one of docs/screenshots, under an absolute address.
shots=$(grep -o '<image>[^<]*</image>' "$root/$metainfo" | sed 's|<image>\(.*\)</image>|\1|')
[ -n "$shots" ] || fail "no screenshots in the metainfo"
for url in $shots; do
    [[ $url == https://* ]] || fail "screenshot not at an https address: $url"
    [ -f "$source_dir/docs/screenshots/$(basename "$url")" ] ||
        fail "screenshot not in docs/screenshots: $url"
done

# ---- The manual page: renders without warnings and documents every option ----
page="$root/usr/share/man/man6/ormal.6.gz"
MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$work/man.txt" 2>"$work/man.err" ||
    fail "man -l failed"
[ -s "$work/man.err" ] && { cat "$work/man.err"; fail "man -l warned"; }
grep -q '^NAME' "$work/man.txt" || fail "the manual page has no NAME section"
for option in $("$root/usr/games/ormal" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" "$work/man.txt" || fail "the manual page lacks $option"
done

# ---- lintian: errors fail, the rest is shown ----
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian found errors"
cat "$work/lintian.log"

[ $failed -eq 0 ] && echo "$(basename "$deb") checked"
exit $failed
