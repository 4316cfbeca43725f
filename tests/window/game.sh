# game.sh: screen points of the game's controls (window at the top left, 1024 x 768), the way
# from the intro to the map screen, and the start every real-window test shares. Sourced by
# the real-window tests.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# The start every real-window test shares: "out", the test's folder for screenshots under the
# output folder, and a private X server with a screen of the given size (1024 x 768 unless
# given). Args: the test's name, the output folder, the screen.
open_display() {
    out=${2:-/tmp}/window-$1
    mkdir -p "$out"
    start_xvfb "${3:-1024x768x24}"
}

# The same, then the game at the top left of the screen and through the intro to the map
# screen. Args: the test's name, the game's executable, the output folder.
start_voyage() {
    open_display "$1" "$3"
    start_game "$2"
    through_intro
}

# The game window's size as xdotool reports it: "WIDTH=w HEIGHT=h ".
window_size() {
    xdotool getwindowgeometry --shell "$GAME_WIN" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '
}
# until_size W H: waits (2 s at most) for the game window to take that size.
until_size() {
    for _ in $(seq 20); do
        [ "$(window_size)" = "WIDTH=$1 HEIGHT=$2 " ] && return 0
        sleep 0.1
    done
    echo "the window is $(window_size), not $1 x $2"
    return 1
}

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

PLANET_TRADE=(444 596)    # Form3.Command2
PLANET_ATTACK=(500 596)   # Form3.Command3
BATTLE_ATTACK=(300 616)   # Form7.Command2 "Напасть "
BATTLE_ROLL=(528 32)      # Form7.Command1 "Бросить кубик"
BATTLE_MASSACRE=(512 552) # Form7.Command4 "Резня"
OUTCOME_OK=(486 545)      # Form8.Command1 "Ok"
MAP_LEFT=(380 572)        # Command2 in Frame1
MAP_RIGHT=(460 572)       # Command4 in Frame1
MAP_DOWN=(420 612)        # Command3 in Frame1
MAP_UP_LEFT=(380 532)     # Command9 in Frame1

# The ship marker's Left and Top in twips, read off a screenshot: its red inside is the only
# red block on the star map (the enemies are blue with thin red rims, which erode away).
ship_twips() {
    local shot=$1 box
    box=$(convert "$shot" -crop 487x424+17+25 +repage -fill black +opaque '#FF0000' \
        -morphology Erode Square:1 -format '%@' info: 2>/dev/null)
    # box is WxH+X+Y of what is left of the marker's inside
    local w h x y
    IFS='x+' read -r w h x y <<<"$box"
    [ "${w:-0}" -gt 0 ] && [ "${w:-0}" -lt 12 ] || return 1
    # the marker is 9 pixels across; its inside eroded to the middle
    echo $((((x * 2 + w) / 2 - 4) * 15)) $((((y * 2 + h) / 2 - 4) * 15))
}

# Flies the ship (at rest) until its top left lies within the rectangle LEFT0 LEFT1 TOP0 TOP1
# (twips), one axis at a time, correcting from screenshots, then presses stop. Vertical
# first: from the start the ship must leave the wide arrival rectangle of "Земля" upwards,
# since any stop inside it lands there.
fly_to() {
    local l0=$1 l1=$2 t0=$3 t1=$4 tries pos left top delta go
    for tries in $(seq 12); do
        shot /tmp/ormal-fly.png
        pos=$(ship_twips /tmp/ormal-fly.png) || { echo "fly_to: ship not seen" >&2; return 1; }
        read -r left top <<<"$pos"
        if [ "$top" -lt "$t0" ] || [ "$top" -gt "$t1" ]; then
            delta=$(((t0 + t1) / 2 - top))
            if [ $delta -lt 0 ]; then go=("${MAP_UP[@]}"); else go=("${MAP_DOWN[@]}"); fi
        elif [ "$left" -lt "$l0" ] || [ "$left" -gt "$l1" ]; then
            delta=$(((l0 + l1) / 2 - left))
            if [ $delta -lt 0 ]; then go=("${MAP_LEFT[@]}"); else go=("${MAP_RIGHT[@]}"); fi
        else
            click "${MAP_STOP[@]}"
            return 0
        fi
        # 5 twips per tick, 64 ticks a second. The arrow and the stop are clicked by one
        # xdotool run, so that the time between them is the time asked for; the next leg goes
        # on from wherever the ship stopped.
        xdotool mousemove "${go[@]}" click 1 sleep "$(awk -v d="${delta#-}" 'BEGIN { print d / 320 }')" \
            mousemove "${MAP_STOP[@]}" click 1
        sleep 0.4
    done
    echo "fly_to: did not reach the rectangle" >&2
    return 1
}
