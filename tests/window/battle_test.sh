#!/usr/bin/env bash
# The real window: turn the nine pages, start, fly to "Миранда", dock, attack the fortress,
# fight to the outcome, press "Ok" and see the planet screen. "Миранда" has one of the larger
# arrival rectangles: the flight steers by screenshots, and a busy machine clicks late.
set -euo pipefail
source "$(dirname "$0")/game.sh"
start_voyage battle "$@"
fly_to 5880 6240 1440 1800  # the arrival rectangle of "Миранда"
click "${MAP_DOCK[@]}"
shot "$out/planet.png"
[ "$(pixel "$out/planet.png" 220 12)" = "#A59554" ] || { echo "not docked"; exit 1; }
click "${PLANET_ATTACK[@]}"
shot "$out/battle.png"
[ "$(pixel "$out/battle.png" 3 760)" = "#FFC080" ] || { echo "no battle screen"; exit 1; }
click "${BATTLE_ATTACK[@]}"
outcome=""
for round in $(seq 40); do
    click "${BATTLE_ROLL[@]}"
    click "${BATTLE_MASSACRE[@]}"
    shot "$out/round.png"
    # The outcome window's background shows left of its title.
    if [ "$(pixel "$out/round.png" 150 200)" = "#FFE0C0" ]; then outcome=$round; break; fi
done
[ -n "$outcome" ] || { echo "no outcome after 40 rounds"; exit 1; }
cp "$out/round.png" "$out/outcome.png"
click "${OUTCOME_OK[@]}"
shot "$out/after.png"
[ "$(pixel "$out/after.png" 220 12)" = "#A59554" ] || { echo "not back on the planet screen"; exit 1; }
echo "battle decided after $outcome rounds"
