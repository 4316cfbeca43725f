#!/usr/bin/env bash
# The game's command line from outside: --help, --version and mistakes are answered with
# the right streams and exit statuses before any window opens, so without a display.
# Usage: command_line_test.sh ORMAL VERSION
set -uo pipefail
game=$1
version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0

# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGS...: an empty pattern means an empty stream.
expect() {
    local status=$1 out_pattern=$2 err_pattern=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$game" "$@" \
        >"$out" 2>"$err"
    local got=$?
    local what="ormal $*"
    [ "$got" -eq "$status" ] || { echo "$what: exit status $got, not $status"; failed=1; }
    for stream in out err; do
        local pattern file
        [ $stream = out ] && pattern=$out_pattern file=$out || pattern=$err_pattern file=$err
        if [ -z "$pattern" ]; then
            [ -s "$file" ] && { echo "$what: unexpected std$stream:"; cat "$file"; failed=1; }
        elif ! grep -Pzq -- "$pattern" "$file"; then
            echo "$what: std$stream does not match '$pattern':"
            cat "$file"
            failed=1
        fi
    done
}

expect 0 '^Usage: ormal \[OPTION\]\.\.\.\n(.*\n)*Keys:\n' '' --help
expect 0 "^ormal \Q$version\E\n\z" '' --version
expect 2 '' "^ormal: unknown option '--bogus'\nUsage: ormal " --bogus
expect 2 '' "^ormal: unexpected argument 'game.sav'\nUsage: ormal " game.sav
# Without a display the game itself cannot start, and says so (after what the libraries say).
expect 1 '' '(?m)^ormal: cannot open a window: ' --fullscreen
exit $failed
