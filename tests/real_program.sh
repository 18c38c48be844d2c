#!/usr/bin/env bash
# The built program as a whole on the X display given, in sessions of xsm, the reference X session manager: its
# menus' keys reaching it from the start, the settings file in its real place read and written, File > Exit, a
# checkpoint of the session that leaves the game as it was, paused, and asks nothing, and the game's ends, with status
# 0 and no question: SIGTERM, and the session's end with a save before it and without. Usage: real_program.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill -KILL "${game:-}" "${xsm:-}" 2> /dev/null || true; rm -rf "$work"' EXIT
fail() { echo "real_program.sh: $*"; exit 1; }
soon() { for _ in $(seq 50); do "$@" && return; sleep 0.1; done; return 1; }
# A window of that whole title shown, of the game's if its process is given; xsm's windows name no process.
shown() { xdotool search --all --onlyvisible ${2:+--pid "$2"} --name "^$1\$" > /dev/null; }
# The colours of an area of the screen, WIDTHxHEIGHT+X+Y, one a line.
colours() { import -window root -crop "$1" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | sort -u; }
board() { import -window root -crop 320x448+271+81 -depth 8 rgb:- | md5sum; }
keys() { xdotool windowfocus "$main"; for key; do xdotool key "$key"; sleep 0.2; done; }
# xsm's window at the top left: its Shutdown button's menu, and its popup for a save, where the session's name is
# typed and the button at the left saves.
shutdown() { xdotool mousemove 118 38 mousedown 1 sleep 0.2 mousemove "$1" "$2" sleep 0.2 mouseup 1; }
save() {
    soon shown "$1" || fail "xsm shows no $1 popup"
    xdotool search --onlyvisible --name "^$1\$" windowfocus mousemove 178 115 sleep 0.1 type s1
    xdotool mousemove "$2" 210 click 1
}
ends() {
    soon bash -c "! kill -0 $game 2> /dev/null" || fail "$1 left the game on$(shown Vondrel $game && echo ', asking')"
    wait "$game" || fail "$1 ended the game with status $?"
}

# A new session in a home of its own, with the game in it and its settings file holding what is given. xsm starts
# what ~/.xsmstartup lists, here only a note of the session's address; the game is started from here, so that its
# end can be waited for.
session() {
    [ -z "${xsm:-}" ] || { kill "$xsm" 2> /dev/null || true; wait "$xsm" || true; }
    export HOME=$work/$1 XDG_CONFIG_HOME=$work/$1
    mkdir -p "$HOME/Vondrel"
    printf "${2:-}" > "$HOME/Vondrel/Vondrel.conf"
    echo "sh -c 'echo \$SESSION_MANAGER > $HOME/address'" > "$HOME/.xsmstartup"
    xsm > "$HOME/xsm.log" 2>&1 &
    xsm=$!
    soon test -s "$HOME/address" || fail "xsm started no session"
    SESSION_MANAGER=$(cat "$HOME/address") "$program" &
    game=$!
    soon shown Bricks $game && soon shown "xsm: Default" || fail "no game window or no xsm window"
}

session first '[View]\nSymbols=true\n'
main=$(xdotool search --all --onlyvisible --pid $game --name '^Bricks$')
# The board drawn, its first brick's corner tip in the board colour at (271, 81).
drawn() { [ "$(colours 1x1+271+81)" = '#6487DC' ]; }
soon drawn || fail "no board"
# The choice of colour symbols read from the file and, taken back, kept there.
keys alt+v c
[ "$(cat "$HOME/Vondrel/Vondrel.conf")" = $'[View]\nSymbols=false' ] || fail "the choice of symbols is not kept"
keys alt+f e
soon shown Vondrel $game || fail "File > Exit does not ask"
xdotool key n sleep 0.3
kill -0 $game || fail "No to the exit question ended the program"

keys p # paused: the board covered, all of its bottom rows below the words too, as it stays
[ "$(colours 320x64+271+465)" = '#6487DC' ] || fail "P did not cover the board"
before=$(board)
xdotool mousemove 40 38 click 1 # Checkpoint
save Checkpoint 65
soon shown "xsm: s1" && sleep 0.3 || fail "the checkpoint did not end"
kill -0 $game 2> /dev/null && ! shown Vondrel $game || fail "a checkpoint ended the game, or asks"
[ "$(board)" = "$before" ] || fail "a checkpoint changed the board"
kill -TERM $game
ends SIGTERM

session saved
shutdown 135 57 # with a checkpoint
save Shutdown 57
ends "A shutdown with a checkpoint"

session unsaved
shutdown 120 73 # immediately: only the session manager's last word, Die
ends "A shutdown without one"
