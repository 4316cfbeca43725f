# game.sh: screen points of the game's controls (window at the top left, 1024 x 768), and
# the way from the intro to the map screen. Sourced by the real-window tests after xvfb.sh.

# Pixel centre of a control from its twips rectangle: cx LEFT WIDTH -> x.
cx() { echo $((($1 + $2 / 2) / 15)); }

# Turns the nine story pages and presses "Начать ".
through_intro() {
    local n
    for n in $(seq 0 8); do
        click $(((480 + 1080 * n + 487) / 15)) $(((7920 + 307) / 15))
    done
    click $(((10800 + 787) / 15)) $(((1440 + 307) / 15))
    sleep 0.3
}

# The map screen's controls.
MAP_UP=(420 532)       # Command1 in Frame1
MAP_STOP=(420 572)     # Command5 in Frame1
MAP_DOCK=(380 492)     # Command10
MAP_MENU=(168 640)     # Command12
MENU_RETURN=(521 276)  # Form5.Command1 "Вернуться в игру"
MENU_EXIT=(521 416)    # Form5.Command2 "Выход"
SURRENDER_YES=(446 409)  # Form4.Command1 "ДА"
SURRENDER_NO=(606 409)   # Form4.Command2 "НЕТ"
PLANET_LEAVE=(900 696)   # Form3.Command1
