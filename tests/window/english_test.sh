#!/usr/bin/env bash
# The real window in English: --lang en (or ORMAL_LANG=en) titles the window "Planet Ormal"
# and draws the map screen's captions in English, while the default stays Russian under an
# English desktop locale. The screens are compared where a caption is drawn (it differs) and
# where no text is (it does not), so the English is what changed.
set -euo pipefail
source "$(dirname "$0")/game.sh"
open_display english "$2"

# The map screen as one run draws it, saved under the name given.
map_screen() {
    local name=$1
    shift
    start_game "$@"
    through_intro
    sleep 0.3
    shot "$out/$name.png"
    [ "$(pixel "$out/$name.png" 3 760)" = "#FFC080" ] || { echo "$name: no map screen"; exit 1; }
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=""
}

# A region of a screenshot, WxH+X+Y, as a checksum of its pixels.
region() {
    convert "$1" -crop "$2" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}

# Russian whatever the locale: the window is found by its Russian title.
map_screen russian env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en "$1"
GAME_TITLE="Planet Ormal" map_screen english "$1" --lang en

# Captions: the frame of the pad, the planet name's heading, the legend, the menu button and
# the ship's condition; and the fire button's plate, a picture with a word in it.
for caption in 60x12+338+450 120x66+512+78 118x22+57+456 118x22+57+496 92x28+122+626 \
    150x26+682+592 34x14+443+474; do
    [ "$(region "$out/russian.png" "$caption")" != "$(region "$out/english.png" "$caption")" ] ||
        { echo "the same in both languages: $caption"; exit 1; }
done
# No text: the counters' icons and the direction pad's arrows.
for still in 64x280+518+222 120x120+360+514; do
    [ "$(region "$out/russian.png" "$still")" = "$(region "$out/english.png" "$still")" ] ||
        { echo "not the same in both languages: $still"; exit 1; }
done

# The variable chooses English too; the window is found by its English title.
GAME_TITLE="Planet Ormal" ORMAL_LANG=en start_game "$1"
kill "$GAME_PID"
echo "English captions and title drawn"
