#!/usr/bin/env bash
# --fullscreen: the window starts covering the whole screen with the picture scaled into it,
# its proportions kept; F11 brings back the ordinary window. Full screen is the window
# manager's to grant, so this runs one (evilwm, which honours the request) on the display.
set -euo pipefail
source "$(dirname "$0")/game.sh"
# A screen larger than the game's 1024 x 768, so that full screen differs from the window.
open_display fullscreen "$2" 1280x1024x24
evilwm -fn fixed >/dev/null 2>&1 &  # ends with the display
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_WM_STATE_FULLSCREEN && break
    sleep 0.1
done
start_game "$1" --fullscreen
full() { xprop -id "$GAME_WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }

until_size 1280 1024
full || { echo "not in the full-screen state"; exit 1; }
sleep 0.5  # the frame drawn at the new size
shot "$out/full.png"
# Scaled by 1.25 to 1280 x 960: black bands of 32 pixels above and below.
mean() { convert "$out/full.png" -crop "$1" +repage -format '%[fx:mean]' info:; }
[ "$(mean 1280x32+0+0)" = 0 ] && [ "$(mean 1280x32+0+992)" = 0 ] ||
    { echo "no black bands above and below"; exit 1; }

xdotool key --window "$GAME_WIN" F11
until_size 1024 768
full && { echo "still in the full-screen state after F11"; exit 1; }
sleep 0.5
import -window "$GAME_WIN" "$out/window.png"
# Between the bands, the window's picture enlarged: the same up to the smoothing.
convert "$out/full.png" -crop 1280x960+0+32 +repage "$out/full-picture.png"
convert "$out/window.png" -resize 1280x960! "$out/window-enlarged.png"
# compare exits 1 when the pictures differ at all; its measure says by how much.
difference=$(compare -metric RMSE "$out/full-picture.png" "$out/window-enlarged.png" null: 2>&1 ||
    true)
difference=${difference#*(}
difference=${difference%)}
awk -v d="$difference" 'BEGIN { exit !(d < 0.05) }' ||
    { echo "full screen does not show the window's picture enlarged: RMSE $difference"; exit 1; }
echo "full screen at 1280 x 1024 showed the picture enlarged; F11 gave a 1024 x 768 window"
