#!/usr/bin/env bash
# The real window: the game starts, the map screen comes up, and the up arrow moves the ship.
set -euo pipefail
source "$(dirname "$0")/game.sh"
start_voyage map "$@"
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

# A window half the size shows the whole screen at half scale, and clicks land through the
# same scale: the down arrow at half its coordinates moves the ship back down.
xdotool windowsize "$GAME_WIN" 512 384
sleep 0.5
shot "$out/half.png"
[ "$(pixel "$out/half.png" 2 380)" = "#FFC080" ] || { echo "not scaled to the window"; exit 1; }
[ "$(pixel "$out/half.png" 600 380)" = "#000000" ] || { echo "drawn outside the window"; exit 1; }
click $((MAP_DOWN[0] / 2)) $((MAP_DOWN[1] / 2))
sleep 1
click $((MAP_STOP[0] / 2)) $((MAP_STOP[1] / 2))
xdotool windowsize "$GAME_WIN" 1024 768
sleep 0.5
shot "$out/back.png"
below=""
for y in $(seq "$found" 420); do
    if [ "$(pixel "$out/back.png" 253 "$y")" = "#FF0000" ]; then below=$y; break; fi
done
[ -n "$below" ] && [ "$below" -gt "$found" ] || { echo "the click through the scale missed"; exit 1; }
echo "ship moved down to y=$below through the half-size window"
kill "$GAME_PID"
