#!/usr/bin/env bash
# Takes the README's screenshots from the real window under Xvfb: every screen of the game.
# Usage: docs/screenshots.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out="$root/docs/screenshots"
mkdir -p "$out"
source "$root/tests/window/xvfb.sh"
source "$root/tests/window/game.sh"

save() { shot "/tmp/ormal-shot.png" && convert /tmp/ormal-shot.png -resize 50% "$out/$1.png"; }

start_xvfb
start_game "$build/ormal"
click $(((480 + 487) / 15)) $(((7920 + 307) / 15))  # page 1
save intro-title
for n in $(seq 1 8); do click $(((480 + 1080 * n + 487) / 15)) $(((7920 + 307) / 15)); done
save intro-page9
click $(((10800 + 787) / 15)) $(((1440 + 307) / 15))
sleep 0.5
xdotool mousemove 245 225  # over "Шекарама"
sleep 0.3
save map
fly_to 2520 2640 4200 4320
click "${MAP_DOCK[@]}"
xdotool mousemove 640 250  # over the fortress
sleep 0.3
save planet
click "${PLANET_TRADE[@]}"
click 760 520  # "Покупка/Продажа"
save trade
click 128 628  # "Вернёмся"
click "${PLANET_ATTACK[@]}"
click "${BATTLE_ATTACK[@]}"
click "${BATTLE_ROLL[@]}"
save battle
for round in $(seq 40); do
    click "${BATTLE_MASSACRE[@]}"
    shot /tmp/ormal-shot.png
    [ "$(pixel /tmp/ormal-shot.png 150 200)" = "#FFE0C0" ] && break
    click "${BATTLE_ROLL[@]}"
done
save outcome
click "${OUTCOME_OK[@]}"
click "${PLANET_LEAVE[@]}"
click "${MAP_MENU[@]}"
save menu
click "${MENU_EXIT[@]}"
save surrender
click "${SURRENDER_YES[@]}"
echo "screenshots in $out"
