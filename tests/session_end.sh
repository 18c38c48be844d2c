#!/usr/bin/env bash
# The built program in a session of xsm, the reference X session manager, on the X display given: a checkpoint
# saves the session and leaves the game as it was, asking nothing; the session's end, with a save before it or
# without one, ends the game with status 0 and no question. Usage: session_end.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill "${game:-}" "${xsm:-}" 2> /dev/null || true; rm -rf "$work"' EXIT
fail() { echo "session_end.sh: $*"; exit 1; }
soon() { for _ in $(seq 50); do "$@" && return; sleep 0.1; done; return 1; }
# A window of that whole title shown, of the game's if its process is given; xsm's windows name no process.
shown() { xdotool search --all --onlyvisible ${2:+--pid "$2"} --name "^$1\$" > /dev/null; }
board() { import -window root -crop 320x448+271+81 -depth 8 rgb:- | md5sum; }
# xsm's window at the top left: its Checkpoint button, and its Shutdown button's menu.
checkpoint() { xdotool mousemove 40 38 click 1; }
shutdown() { xdotool mousemove 118 38 mousedown 1 sleep 0.2 mousemove "$1" "$2" sleep 0.2 mouseup 1; }
# Its popup for a save: the session's name typed, then the button that saves.
save() {
    soon shown "$1" || fail "xsm shows no $1 popup"
    xdotool mousemove 178 115 sleep 0.1 type s1
    xdotool mousemove "$2" 210 click 1
}
ends() {
    soon bash -c "! kill -0 $game 2> /dev/null" || fail "the game did not end$(shown Vondrel $game && echo ': it asks')"
    wait "$game" || fail "the game ended with status $?"
}

# A new session, with the game in it. xsm starts what ~/.xsmstartup lists, here only a note of the session's
# address; the game is started from here, so that its end can be waited for.
session() {
    export HOME=$work/$1 XDG_CONFIG_HOME=$work/$1
    mkdir "$HOME"
    echo "sh -c 'echo \$SESSION_MANAGER > $HOME/address'" > "$HOME/.xsmstartup"
    xsm > "$HOME/xsm.log" 2>&1 &
    xsm=$!
    soon test -s "$HOME/address" || fail "xsm started no session"
    SESSION_MANAGER=$(cat "$HOME/address") "$program" &
    game=$!
    soon shown Bricks $game || fail "no game window"
    soon shown "xsm: Default" || fail "no xsm window"
}

session saved
before=$(board)
checkpoint
save Checkpoint 65
soon shown "xsm: s1" || fail "the checkpoint did not end"
sleep 0.3
kill -0 $game 2> /dev/null || fail "a checkpoint ended the game"
! shown Vondrel $game || fail "a checkpoint asks"
[ "$(board)" = "$before" ] || fail "a checkpoint changed the board"
shutdown 135 57 # with a checkpoint
save Shutdown 57
ends

session unsaved
shutdown 120 73 # immediately: only the session manager's last word, Die
ends
