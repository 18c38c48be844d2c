#!/usr/bin/env bash
# The built program as a whole on the X display given: the keys reaching the board
# from the start, the settings file in its real place read and written, File > Exit, and SIGTERM, which must end
# it cleanly. Usage: real_program.sh PROGRAM
set -euo pipefail
home=$(mktemp -d)
trap 'kill -KILL $game 2> /dev/null || true; rm -rf "$home"' EXIT
fail() { echo "real_program.sh: $*"; exit 1; }
mkdir -p "$home/Vondrel"
printf '[View]\nSymbols=true\n' > "$home/Vondrel/Vondrel.conf"
HOME=$home XDG_CONFIG_HOME=$home "$1" &
game=$!

# The first visible window of the game whose whole title matches, waited for; none if it does not come.
window() {
    for _ in $(seq 50); do
        xdotool search --all --onlyvisible --pid $game --name "^$1\$" 2> /dev/null | head -n 1 && return
        sleep 0.1
    done
}
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
keys() { xdotool windowfocus "$main"; for key; do xdotool key "$key"; sleep 0.2; done; }

main=$(window Bricks)
[ -n "$main" ] || fail "no window"
# The board drawn, its first brick's corner tip in the board colour at (271, 81).
for _ in $(seq 50); do [ "$(pixel 271 81)" = '#6487DC' ] && break; sleep 0.1; done
# Without a click, the first arrow brings the cursor, a black and white frame, up and left of the centre.
keys Down
[ "$(pixel $((271 + 128)) $((81 + 192)))" = '#000000' ] && [ "$(pixel $((273 + 128)) $((83 + 192)))" = '#FFFFFF' ] \
    || fail "no cursor"

keys alt+v h
[ -n "$(window 'High score')" ] || fail "no high-score window"
xdotool key Escape

# The choice of colour symbols read from the file and, taken back, kept there.
keys alt+v c
[ "$(cat "$home/Vondrel/Vondrel.conf")" = $'[View]\nSymbols=false' ] || fail "the choice of symbols is not kept"

keys alt+f e
[ -n "$(window Vondrel)" ] || fail "File > Exit does not ask"
xdotool key n
sleep 0.3
kill -0 $game || fail "No to the exit question ended the program"
kill -TERM $game
wait $game || fail "SIGTERM ended the program with status $?"
