#!/usr/bin/env bash
# The real window without a mouse: through the story with Tab and Enter, away from "Земля"
# and back with the arrow keys (two held together for a diagonal), a stop with Space and
# docking with Enter. Then the desktop's close button: on the map screen it asks, "Нет"
# keeps the game, and a second close while the question is open ends it.
set -euo pipefail
source "$(dirname "$0")/game.sh"
open_display keys "$2"
start_game "$1"
# Without a window manager nobody gives the window the keyboard: give it ourselves.
xdotool windowfocus --sync "$GAME_WIN"
keys() {
    xdotool key --delay 150 "$@"
    sleep 0.3
}
# Each page button is the only one that can be clicked when its turn comes.
for _ in $(seq 9); do keys Tab Return; done
keys Tab Return  # "Начать "
shot "$out/map.png"
[ "$(pixel "$out/map.png" 3 760)" = "#FFC080" ] || { echo "no map screen"; exit 1; }

# Up and to the right for a second: off "Земля"'s arrival rectangle. Space there only stops.
xdotool keydown Up keydown Right
sleep 0.1
xdotool keyup Up keyup Right
sleep 1
keys space
shot "$out/away.png"
[ "$(ship_twips "$out/away.png" | cut -d' ' -f2)" -lt 4920 ] ||
    { echo "the ship did not leave Земля upwards"; exit 1; }
keys Return  # the dock button is not lit: nothing happens
shot "$out/still.png"
[ "$(pixel "$out/still.png" 3 760)" = "#FFC080" ] || { echo "docked off the planet"; exit 1; }
# Down and to the left for as long: back onto the planet; the stop arrives, Enter docks.
xdotool keydown Down keydown Left
sleep 0.1
xdotool keyup Down keyup Left
sleep 1
keys space Return
shot "$out/planet.png"
[ "$(pixel "$out/planet.png" 220 12)" = "#A59554" ] || { echo "no planet screen"; exit 1; }
# The leave button with Tab (the trade centre's arrow comes first), back to the map.
keys Tab Tab Return
shot "$out/back.png"
[ "$(pixel "$out/back.png" 3 760)" = "#FFC080" ] || { echo "not back on the map screen"; exit 1; }

# The desktop's close button: the surrender question in a box, "Нет" the safe answer.
"$ORMAL_CLOSE_REQUEST" "$GAME_WIN"
sleep 0.5
shot "$out/question.png"
[ "$(pixel "$out/question.png" 512 384)" = "#ECE9D8" ] || { echo "no question"; exit 1; }
keys Return  # "Нет"
kill -0 "$GAME_PID" 2>/dev/null || { echo "the game ended on Нет"; exit 1; }
shot "$out/kept.png"
[ "$(pixel "$out/kept.png" 512 384)" != "#ECE9D8" ] || { echo "the question stayed"; exit 1; }
# Asked again, and closed again while the question is open: the end, at once.
"$ORMAL_CLOSE_REQUEST" "$GAME_WIN"
sleep 0.5
"$ORMAL_CLOSE_REQUEST" "$GAME_WIN"
wait_exit "$GAME_PID" 5 || { echo "a second close did not end the game"; exit 1; }
echo "keys ok"
