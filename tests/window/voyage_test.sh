#!/usr/bin/env bash
# The real window: stop at the start and dock on "Земля", leave, go through the menu and the
# surrender question and back, then surrender and see the process end.
set -euo pipefail
source "$(dirname "$0")/game.sh"
start_voyage voyage "$@"
click "${MAP_STOP[@]}"
click "${MAP_DOCK[@]}"
shot "$out/planet.png"
# The planet screen: its title panel (#A59554) across the top, its background #804000.
[ "$(pixel "$out/planet.png" 220 12)" = "#A59554" ] || { echo "no planet screen"; exit 1; }
[ "$(pixel "$out/planet.png" 3 760)" = "#804000" ] || { echo "no planet screen"; exit 1; }
click "${PLANET_LEAVE[@]}"
shot "$out/left.png"
[ "$(pixel "$out/left.png" 3 760)" = "#FFC080" ] || { echo "not back on the map screen"; exit 1; }
click "${MAP_MENU[@]}"
shot "$out/menu.png"
[ "$(pixel "$out/menu.png" 370 170)" = "#004000" ] || { echo "no menu"; exit 1; }
click "${MENU_EXIT[@]}"
shot "$out/surrender.png"
[ "$(pixel "$out/surrender.png" 262 262)" = "#404040" ] || { echo "no surrender question"; exit 1; }
click "${SURRENDER_NO[@]}"
click "${MENU_RETURN[@]}"
shot "$out/back.png"
[ "$(pixel "$out/back.png" 370 170)" != "#004000" ] || { echo "the menu is still in front"; exit 1; }
click "${MAP_MENU[@]}"
click "${MENU_EXIT[@]}"
click "${SURRENDER_YES[@]}"
wait_exit "$GAME_PID" 5 || { echo "the game did not end after ДА"; exit 1; }
echo "voyage ok"
