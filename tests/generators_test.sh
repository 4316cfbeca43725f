#!/usr/bin/env bash
# The generated SVGs in the repository are exactly what their generators write: every python
# generator under the assets directory runs into a scratch directory, twice under different
# hash seeds, and each SVG it writes must match the one beside it byte for byte. The
# generators must leave the tree itself alone.
set -euo pipefail
assets=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PYTHONDONTWRITEBYTECODE=1

mapfile -t generators < <(cd "$assets" && find . -name '*.py' -not -path '*/__pycache__/*' -not -path './tools/*' |
    sed 's|^\./||' | sort)
[ ${#generators[@]} -gt 0 ] || { echo "no generators under $assets"; exit 1; }

touch "$scratch/start"
failed=0
fail() {
    echo "$*"
    failed=1
}
for gen in "${generators[@]}"; do
    dir=$(dirname "$gen")
    for seed in 0 1; do
        out="$scratch/$seed/$gen"
        if ! PYTHONHASHSEED=$seed python3 "$assets/$gen" "$out" >"$scratch/log" 2>&1; then
            fail "$gen failed (PYTHONHASHSEED=$seed):"
            cat "$scratch/log"
            continue 2
        fi
    done
    mapfile -t written < <(find "$scratch/0/$gen" -type f -printf '%P\n' 2>/dev/null | sort)
    [ ${#written[@]} -gt 0 ] || fail "$gen wrote nothing"
    for svg in "${written[@]}"; do
        cmp -s "$scratch/0/$gen/$svg" "$scratch/1/$gen/$svg" ||
            fail "$dir/$svg: $gen writes it differently from one run to the next"
        if [ ! -e "$assets/$dir/$svg" ]; then
            fail "$dir/$svg: $gen writes it, but it is not in the repository"
        elif ! cmp -s "$scratch/0/$gen/$svg" "$assets/$dir/$svg"; then
            fail "$dir/$svg differs from what $gen writes (run python3 assets/$gen and commit)"
        fi
    done
done

changed=$(find "$assets" -type f -newer "$scratch/start")
[ -z "$changed" ] || fail "the generators wrote into the tree:"$'\n'"$changed"
[ $failed -eq 0 ] && echo "${#generators[@]} generators reproduce their SVGs"
exit $failed
