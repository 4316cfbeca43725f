#!/usr/bin/env bash
# Measures the game and writes BENCHMARKS.md: the headless figures from ormal_bench, then the
# real game under Xvfb: start-up, idle, and the CPU share on the map screen with the ship
# and the enemies moving, beside the presentation floor (ormal_floor: one dot repainted on
# the same 1/64 s grid through the same kind of window) at 1024 x 768 and 1920 x 1080; and
# resident memory, on the map screen and after dragging the window through 300 sizes.
# Run from anywhere after a build: bench/run.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
source "$root/tests/window/xvfb.sh"
source "$root/tests/window/game.sh"

rows=$("$build/bench/ormal_bench")
hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
share() { awk -v a="$1" -v b="$2" -v s="$3" -v hz="$hz" 'BEGIN { printf "%.2f", (b - a) / hz / s * 100 }'; }

# The ship flies up and down across the star map for 20 s while the enemies patrol; the
# floor runs beside it, in a window of the same size to the right of the game's. Sets
# GAME_SHARE and FLOOR_SHARE (% of one core).
moving_shares() {
    local width=$1 height=$2 floor g0 f0 leg
    "$build/bench/ormal_floor" "$width" "$height" "$width" 0 &
    floor=$!
    sleep 1
    g0=$(ticks "$GAME_PID")
    f0=$(ticks "$floor")
    for leg in 1 2 3 4; do
        if [ $((leg % 2)) -eq 1 ]; then click "${MAP_UP[@]}"; else click "${MAP_DOWN[@]}"; fi
        sleep 5
    done
    GAME_SHARE=$(share "$g0" "$(ticks "$GAME_PID")" 20)
    FLOOR_SHARE=$(share "$f0" "$(ticks "$floor")" 20)
    kill "$floor"
    wait "$floor" 2>/dev/null || true
}
ratio() { awk -v g="$1" -v f="$2" 'BEGIN { if (f > 0) printf "%.2f", g / f; else print "?" }'; }

# 1024 x 768: start-up (the median of three starts), idle, moving, and memory of a window
# never resized.
start_xvfb 2048x768x24
starts=()
for _ in 1 2 3; do
    # Started on its own: looking for its window meanwhile would take the time measured.
    ORMAL_TIMING=1 "$build/ormal" 2>"$build/bench-stderr.txt" &
    sleep 1.5
    kill $!
    wait $! 2>/dev/null || true
    starts+=("$(grep -o 'first frame after [0-9.]* ms' "$build/bench-stderr.txt" |
        grep -o '[0-9.]*' || echo "?")")
done
first=$(printf '%s\n' "${starts[@]}" | sort -n | sed -n 2p)
start_game "$build/ormal"
t0=$(ticks "$GAME_PID")
sleep 5
idle=$(share "$t0" "$(ticks "$GAME_PID")" 5)
through_intro
moving_shares 1024 768
game1024=$GAME_SHARE floor1024=$FLOOR_SHARE
steady=$(rss "$GAME_PID")
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true

# 1920 x 1080: a laptop's whole screen, ship and enemies moving; then the window dragged
# through 300 sizes and back, and its memory on the map screen afterwards.
start_xvfb 3840x1080x24
start_game "$build/ormal"
through_intro
xdotool windowsize --sync "$GAME_WIN" 1920 1080
sleep 1
# The pad's up and down arrows, where the window shows them at 1920 x 1080 (scale 1.40625,
# 240 pixels of black on the left).
MAP_UP=($((240 + 420 * 1440 / 1024)) $((532 * 1080 / 768)))
MAP_DOWN=($((240 + 420 * 1440 / 1024)) $((612 * 1080 / 768)))
moving_shares 1920 1080
game1920=$GAME_SHARE floor1920=$FLOOR_SHARE
for i in $(seq 300); do
    xdotool windowsize "$GAME_WIN" $((500 + (i * 37) % 1400)) $((380 + (i * 53) % 700))
    sleep 0.1
done
xdotool windowsize --sync "$GAME_WIN" 1024 768
sleep 2
swept=$(rss "$GAME_PID")
kill "$GAME_PID"

{
    echo "# Benchmarks"
    echo
    echo "Measured by \`bench/run.sh\` on $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m)."
    echo "CPU shares are of one core, over 20 s of the map screen with the ship and the three"
    echo "enemies moving; the floor is \`ormal_floor\`, one dot repainted on the same grid"
    echo "through the same kind of window, run beside the game under the same X server."
    echo
    echo "| measure | value | goal |"
    echo "|---|---|---|"
    echo "$rows"
    echo "| real window: start-up to the first frame, median of three | $first ms | under 150 ms |"
    echo "| real window: CPU share idle on the intro | $idle % | about 0 |"
    echo "| real window, 1024 x 768: game / floor CPU share | $game1024 % / $floor1024 % = $(ratio "$game1024" "$floor1024") | at most 1.5 |"
    echo "| real window, 1920 x 1080: game / floor CPU share | $game1920 % / $floor1920 % = $(ratio "$game1920" "$floor1920") | at most 2 |"
    echo "| real window: resident memory on the map screen | $steady MB | under 50 MB |"
    echo "| real window: resident memory after 300 window sizes | $swept MB ($(awk -v a="$swept" -v b="$steady" 'BEGIN { printf "%+.1f", a - b }') MB) | at most 10 MB more |"
} >"$root/BENCHMARKS.md"
cat "$root/BENCHMARKS.md"
