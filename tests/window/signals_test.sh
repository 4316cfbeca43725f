#!/usr/bin/env bash
# The ways the game ends from outside: SIGTERM and SIGINT end it at once and cleanly, even
# mid-voyage (no question asked); the X server going away ends it with a message naming the
# display, never a hang or a busy loop.
set -euo pipefail
source "$(dirname "$0")/game.sh"
err=$(mktemp)
trap 'rm -f "$err"; _xvfb_cleanup' EXIT

start_xvfb
for signal in TERM INT; do
    # A shell starts its background jobs with SIGINT ignored; a terminal's game has it.
    start_game env --default-signal=INT "$1" 2>"$err"
    through_intro
    kill -s "$signal" "$GAME_PID"
    wait_exit "$GAME_PID" 3 || { echo "SIG$signal did not end the game"; exit 1; }
    status=0
    wait "$GAME_PID" || status=$?
    [ "$status" -eq 0 ] || { echo "SIG$signal: exit status $status"; cat "$err"; exit 1; }
    [ ! -s "$err" ] || { echo "SIG$signal: the game said"; cat "$err"; exit 1; }
done
GAME_PID=""

start_game "$1" 2>"$err"
through_intro
display=$DISPLAY
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""
wait_exit "$GAME_PID" 5 || { echo "the game outlived its display"; exit 1; }
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" -eq 1 ] || { echo "display gone: exit status $status"; exit 1; }
grep -qx "ormal: the connection to the display $display was lost; the game has ended" "$err" ||
    { echo "display gone: the game said"; cat "$err"; exit 1; }
echo "signals and a lost display end the game cleanly"
