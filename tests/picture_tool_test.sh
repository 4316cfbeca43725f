#!/usr/bin/env bash
# The picture build tool on a small scratch set of pictures: a broken source fails its picture
# by name, a missing one becomes a stand-in, and assembling again with nothing changed leaves
# the files the build compiles untouched, so that nothing is rebuilt after a mere touch.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p assets/a out
cat >assets/a/good.svg <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="8" height="6"><rect width="4" height="6" fill="#f00"/></svg>
EOF
echo '<svg xmlns="http://www.w3.org/2000/svg"' >assets/a/broken.svg
cat >assets/pictures.txt <<'EOF'
a/good    bitmap 8   6   a/good.svg
a/vector  vector 120 90  a/good.svg
a/gone    bitmap 5   5   a/gone.svg
EOF
failed=0
fail() {
    echo "$*"
    failed=1
}

# case | row (; between rows) | exit status | text expected on stderr
while IFS='|' read -r what line status expect; do
    printf '%s\n' "${line//;/$'\n'}" >row.txt
    set +e
    "$tool" render assets row.txt out 2>err.txt >/dev/null
    got=$?
    set -e
    [ "$got" -eq "$status" ] || fail "$what: exit status $got, expected $status"
    grep -qF -- "$expect" err.txt || fail "$what: stderr lacks '$expect':"$'\n'"$(cat err.txt)"
done <<'EOF'
broken source|a/bad bitmap 8 6 a/broken.svg|1|picture a/bad from assets/a/broken.svg: XML parse error
missing source|a/gone bitmap 5 5 a/gone.svg|0|a/gone: source assets/a/gone.svg is missing
bad size|a/bad bitmap 8 0 a/good.svg|1|bad size
two rows|a/x bitmap 8 6 a/good.svg;a/y bitmap 8 6 a/good.svg|1|expected exactly one picture
EOF

# Assembling before every picture is rendered names the one that is not.
set +e
"$tool" assemble assets out 2>err.txt >/dev/null
got=$?
set -e
[ "$got" -eq 1 ] && grep -qF 'picture a/good is not rendered' err.txt ||
    fail "assembling without a/good: status $got, $(cat err.txt)"

"$tool" assets out >/dev/null 2>&1 || fail "the whole set does not build"
[ "$(head -c 2 out/pictures/a/gone.bmp)" = BM ] || fail "no stand-in for a/gone"
missing=$(sed -n '/missingPictureSources/,$p' out/pictures_index.cpp)
grep -q '"a/gone",' <<<"$missing" || fail "a/gone is not listed as missing"
grep -q '"a/good",' <<<"$missing" && fail "a/good is listed as missing"
cmp -s out/pictures/a/vector.svg assets/a/good.svg || fail "a vector is not embedded as its SVG"

before=$(stat -c %y out/pictures.S out/pictures_index.cpp out/contact-sheet.png)
echo 'a/good bitmap 8 6 a/good.svg' >row.txt
"$tool" render assets row.txt out >/dev/null
"$tool" assemble assets out >/dev/null 2>&1
after=$(stat -c %y out/pictures.S out/pictures_index.cpp out/contact-sheet.png)
[ "$before" = "$after" ] || fail "an unchanged picture rewrote the assembled files"
[ out/pictures.stamp -nt out/pictures/a/good.bmp ] || fail "the stamp is older than a picture"

[ $failed -eq 0 ] && echo "picture tool behaves"
exit $failed
