#!/usr/bin/env bash
# The real window: the game starts, the map screen comes up, and the up arrow moves the ship.
set -euo pipefail
here=$(dirname "$0")
source "$here/xvfb.sh"
source "$here/game.sh"
out=${2:-/tmp}/window-map
mkdir -p "$out"

start_xvfb
start_game "$1"
through_intro
shot "$out/start.png"
[ "$(pixel "$out/start.png" 3 760)" = "#FFC080" ] || { echo "no map screen"; exit 1; }
# The ship marker sits on "Земля": red at (253, 373).
[ "$(pixel "$out/start.png" 253 373)" = "#FF0000" ] || { echo "no ship marker at the start"; exit 1; }
click "${MAP_UP[@]}"
sleep 1.5  # about 96 ticks of 5 twips: 32 pixels up
click "${MAP_STOP[@]}"
shot "$out/moved.png"
[ "$(pixel "$out/moved.png" 253 373)" != "#FF0000" ] || { echo "the ship did not move"; exit 1; }
found=""
for y in $(seq 320 368); do
    if [ "$(pixel "$out/moved.png" 253 "$y")" = "#FF0000" ]; then found=$y; break; fi
done
[ -n "$found" ] || { echo "the ship is not above its start"; exit 1; }
echo "ship moved up to y=$found"
kill "$GAME_PID"
