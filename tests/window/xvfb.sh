# xvfb.sh: helpers for real-window tests, sourced by them: a private X server, the game's
# window, screenshots, pixel colours and pointer clicks.
# Needs the packages xvfb (Xvfb), x11-utils (xdpyinfo), xdotool and imagemagick (import, convert).

XVFB_PID=""
GAME_PID=""
GAME_WIN=""

_xvfb_cleanup() {
    # The game first, and gone, so that it does not see its display vanish.
    if [ -n "$GAME_PID" ]; then
        kill "$GAME_PID" 2>/dev/null || true
        wait "$GAME_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    wait 2>/dev/null || true  # the exit status stays the test's own
}

# Starts Xvfb on the first free display from :90 and exports DISPLAY. The screen is
# 1024x768x24 unless given.
start_xvfb() {
    local n
    for n in $(seq 90 130); do
        # A lock or socket means another server holds (or held) that display.
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${1:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        trap _xvfb_cleanup EXIT
        for _ in $(seq 100); do
            # The lock names the server that answers: ours, not a rival that won the race.
            if xdpyinfo -display ":$n" >/dev/null 2>&1 &&
                [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break  # lost a race for the display: next one
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    echo "start_xvfb: no X server could be started" >&2
    return 1
}

# The visible window of a process titled "Планета Ормаль" (or $GAME_TITLE). Found by process,
# not by "search --name": SDL writes the title into WM_NAME as UTF-8 labelled Latin-1, and
# that is all xdotool's name search reads; getwindowname reads the correct _NET_WM_NAME.
game_window() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        if [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "${GAME_TITLE:-Планета Ормаль}" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# Starts the game in the background and waits (10 s at most) for its window; exports
# GAME_PID and GAME_WIN and moves the window to the top left of the screen.
start_game() {
    "$@" &
    GAME_PID=$!
    export GAME_PID
    for _ in $(seq 100); do
        GAME_WIN=$(game_window "$GAME_PID") || true
        if [ -n "$GAME_WIN" ]; then
            export GAME_WIN
            xdotool windowmove "$GAME_WIN" 0 0
            sleep 0.5  # let the first frame arrive
            return 0
        fi
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "start_game: no window from $1" >&2
    return 1
}

# Saves the whole screen.
shot() {
    import -window root "$1"
}

# The colour of one pixel of a picture, as #RRGGBB.
pixel() {
    local hex
    hex=$(convert "$1" -format "%[hex:p{$2,$3}]" info:) || return 1
    echo "#${hex:0:6}"
}

# A left click at a screen point, with pauses so the game sees the move before the press.
# After a click the test waits longer than the 0.3 s in which a window that has just come to
# the front ignores a press, so that the next click is never taken for a double click.
click() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click 1
    sleep 0.4
}

# Whether the process ends within the given number of seconds.
wait_exit() {
    local pid=$1
    for _ in $(seq $(($2 * 10))); do
        # A zombie has ended too; only the parent can reap it.
        if ! kill -0 "$pid" 2>/dev/null || grep -q '^[^)]*) Z' "/proc/$pid/stat" 2>/dev/null; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}
