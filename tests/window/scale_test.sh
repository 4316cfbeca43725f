#!/usr/bin/env bash
# The real window at a size that is no whole multiple of the game's: 1403 x 1052. The
# enemies and the ship cross the star map for several seconds and leave no trail on it (a
# trail is the marker's red and blue left behind where it no longer is). Then F11 on a bare X
# server, with no window manager to grant full screen: the window fills the screen and the
# picture fills the window; F11 again brings back the window's size.
set -euo pipefail
source "$(dirname "$0")/game.sh"
open_display scale "$2" 1600x1200x24
start_game "$1"
through_intro
click "${MAP_RIGHT[@]}"  # the ship under way too
xdotool windowsize --sync "$GAME_WIN" 1403 1052
xdotool windowfocus --sync "$GAME_WIN"

# The star map's reddish and bluish pixels: its red and brown planets, and the markers
# however they move, unless they leave trails of their red rims (faint, antialiased).
markers() {
    # The star map at a scale of 1052 / 768: from (17, 25) to (504, 449) design pixels.
    convert "$1" -crop 666x580+24+35 +repage \
        -fx '(r > 0.3 && g < 0.45 * r && b < 0.45 * r) || (b > 0.5 && r < 0.35 && g < 0.35)' \
        -format '%[fx:round(mean * w * h)]' info:
}
sleep 0.5
shot "$out/start.png"
first=$(markers "$out/start.png")
sleep 10
shot "$out/later.png"
later=$(markers "$out/later.png")
echo "reddish and bluish pixels: $first at the start, $later ten seconds on"
[ "$first" -gt 300 ] || { echo "the star map is not seen"; exit 1; }
# Trails of ten seconds add a third and more; markers crossing planets change a few percent.
[ "$later" -le $((first + first / 8)) ] || { echo "the markers leave trails"; exit 1; }

xdotool key F11
until_size 1600 1200
sleep 0.5
shot "$out/full.png"
# 1024 x 768 scaled by 1.5625 is 1600 x 1200: the picture fills the screen to its corners.
[ "$(pixel "$out/full.png" 3 1195)" = "#FFC080" ] || { echo "full screen not filled"; exit 1; }
[ "$(pixel "$out/full.png" 1596 1195)" = "#FFC080" ] || { echo "full screen cut off"; exit 1; }
xdotool key F11
until_size 1403 1052
echo "no trails at 1403 x 1052; F11 filled the bare screen and came back"
