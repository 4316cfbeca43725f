#!/usr/bin/env bash
# Measures the game and writes BENCHMARKS.md: the headless figures from ormal_bench, then the
# real game under Xvfb (start-up, CPU share and memory on the map screen with everything
# moving). Run from anywhere after a build: bench/run.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
source "$root/tests/window/xvfb.sh"
source "$root/tests/window/game.sh"

rows=$("$build/bench/ormal_bench")

start_xvfb
export ORMAL_TIMING=1
start_game "$build/ormal" 2>"$build/bench-stderr.txt"
sleep 0.5
first=$(grep -o 'first frame after [0-9.]* ms' "$build/bench-stderr.txt" | grep -o '[0-9.]*' || echo "?")

ticks() { awk '{print $14 + $15}' "/proc/$GAME_PID/stat"; }
hz=$(getconf CLK_TCK)
# Idle on the intro: nothing runs, the game should sleep.
t0=$(ticks); sleep 5; t1=$(ticks)
idle=$(awk -v a="$t0" -v b="$t1" -v hz="$hz" 'BEGIN { printf "%.2f", (b - a) / hz / 5 * 100 }')

through_intro
# The ship flies up and down across the star map while the enemies patrol.
t0=$(ticks)
for leg in 1 2 3 4; do
    if [ $((leg % 2)) -eq 1 ]; then click "${MAP_UP[@]}"; else click 420 612; fi  # up / down
    sleep 5
done
t1=$(ticks)
moving=$(awk -v a="$t0" -v b="$t1" -v hz="$hz" 'BEGIN { printf "%.2f", (b - a) / hz / 20 * 100 }')
rss=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$GAME_PID/status")
kill "$GAME_PID"

{
    echo "# Benchmarks"
    echo
    echo "Measured by \`bench/run.sh\` on $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m)."
    echo
    echo "| measure | value | goal |"
    echo "|---|---|---|"
    echo "$rows"
    echo "| real window: start-up to the first frame | $first ms | under 150 ms |"
    echo "| real window: CPU share idle on the intro | $idle % of one core | about 0 |"
    echo "| real window: CPU share on the map screen, ship and enemies moving (20 s) | $moving % of one core | under 2 % |"
    echo "| real window: resident memory on the map screen | $rss MB | under 80 MB |"
} >"$root/BENCHMARKS.md"
cat "$root/BENCHMARKS.md"
