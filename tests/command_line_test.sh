#!/usr/bin/env bash
# The game's command line from outside: --help, --version and mistakes are answered with
# the right streams and exit statuses before any window opens, so without a display. And
# a start that cannot work (no display, a display that is not there, no fonts) says why in
# one line and exits with status 1, at once.
# Usage: command_line_test.sh ORMAL VERSION
set -uo pipefail
game=$1
version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0
with=""  # VARIABLE=value ... for the next runs

# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGS...: an empty pattern means an empty stream.
expect() {
    local status=$1 out_pattern=$2 err_pattern=$3
    shift 3
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER $with timeout 20 "$game" "$@" \
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
# The language: a value neither --lang nor ORMAL_LANG takes is a mistake, said in one line;
# the option wins over the variable, so a good option goes on to look for a display.
expect 2 '' "^ormal: option '--lang' does not take 'xx' \\(en\\|ru\\)\nUsage: ormal " --lang xx
with="ORMAL_LANG=xx"
expect 2 '' "^ormal: ORMAL_LANG does not take 'xx' \\(en\\|ru\\)\n\\z"
expect 1 '' '^ormal: no display: ' --lang en
with="ORMAL_LANG=en"
expect 1 '' '^ormal: no display: '
with=""
# Without a display the game cannot start: one line, and no wait for a display to appear.
start=$(date +%s%N)
expect 1 '' '^ormal: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; [^\n]*\n\z' --fullscreen
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 1000 ] || { echo "no display: $elapsed ms before the game gave up"; failed=1; }
# A display that is named but not there: one line naming it.
n=250
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
with="DISPLAY=:$n"
expect 1 '' "^ormal: cannot open the X display :$n \\([^\n]*\n\z"
# No font that can show the game's Russian text: the packages to install, in one line.
fonts=$(mktemp -d)
trap 'rm -f "$out" "$err"; rm -rf "$fonts"' EXIT
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' "$fonts" \
    >"$fonts/fonts.conf"
with="FONTCONFIG_FILE=$fonts/fonts.conf"
expect 1 '' '^ormal: No font that can show [^\n]*fonts-dejavu-core[^\n]*\n\z'
with=""
exit $failed
