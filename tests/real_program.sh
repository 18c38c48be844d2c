#!/usr/bin/env bash
# The built program as a whole on the display with_xvfb.sh provides: where it opens, the records of
# the settings file in its real place, play by keys alone, the symbols, File > Exit, random input for
# MONKEY_SECONDS (8) with every dialogue answered at random, and SIGTERM, which must end it cleanly.
# Usage: with_xvfb.sh real_program.sh PROGRAM ASSETS_FOLDER
set -euo pipefail
home=$(mktemp -d)
trap 'kill -KILL $game 2> /dev/null || true; rm -rf "$home"' EXIT
fail() { echo "real_program.sh: $*"; exit 1; }
mkdir -p "$home/Vondrel"
printf '[Bricks%%283%%29]\nTime=00:01:23\nName=Bo\n' > "$home/Vondrel/Vondrel.conf"
HOME=$home XDG_CONFIG_HOME=$home "$1" &
game=$!

# The first visible window of the game whose whole title matches, waited for; none if it does not come.
window() { for _ in $(seq 50); do xdotool search --all --onlyvisible --pid $game --name "^$1\$" 2>/dev/null | head -n 1 && return; sleep 0.1; done; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
# Whether the area has dark pixels: text. Arguments: the window's id, then x y width height in it.
ink() { eval "$(xdotool getwindowgeometry --shell "$1")"; import -window root -crop "$4x$5+$((X + $2))+$((Y + $3))" -depth 8 txt:- | grep '#[0-3]' > /dev/null; }
keys() { xdotool windowfocus "$main"; for key; do xdotool key "$key"; sleep 0.2; done; }

main=$(window Bricks)
[ -n "$main" ] || fail "no window"
# The first brick's top-left corner tip, in the board colour, at (271, 81), the menu bar above it.
for _ in $(seq 50); do [ "$(pixel 271 81)" = '#6487DC' ] && break; sleep 0.1; done
[ "$(pixel 271 81)" = '#6487DC' ] && [ "$(pixel 271 80)" != '#6487DC' ] || fail "the board is not at (271, 81)"

keys alt+v h
table=$(window 'High score')
[ -n "$table" ] || fail "no high-score window"
for _ in $(seq 30); do ink "$table" 8 25 33 15 && break; sleep 0.1; done
for n in $(seq 0 9); do
    ink "$table" 8 $((25 + 16 * n)) 33 15 || fail "no number in row $n"
    ink "$table" 48 $((25 + 16 * n)) 250 15 && [ "$n" != 3 ] && fail "a record in row $n"
done
ink "$table" 48 73 250 15 || fail "no record in row 3 from $home/Vondrel/Vondrel.conf"
xdotool key Escape

# Keys alone: the first arrow brings the cursor, a black and white frame, to the cell up and left of
# the centre; Space held and let go on a group of two or more removes it, or the cursor moves on.
keys Down
[ "$(pixel $((271 + 128)) $((81 + 192)))" = '#000000' ] && [ "$(pixel $((273 + 128)) $((83 + 192)))" = '#FFFFFF' ] || fail "no cursor"
board() { import -window root -crop 320x448+271+81 "$home/$1.png"; }
for tries in $(seq 40) fail; do
    [ $tries = fail ] && fail "Space removes nothing"
    board before; xdotool keydown space; sleep 0.2; xdotool keyup space; sleep 1; board after
    compare -metric AE "$home/before.png" "$home/after.png" null: 2> /dev/null || break
    xdotool key $([ $((tries % 10)) = 0 ] && echo Down || echo Right)
done
# The symbols, seen on the bottom-left brick, which every board keeps.
keys alt+v c
import -window root -crop 32x32+271+497 "$home/cell.png"
for n in 1 2 3 4 5; do compare -metric AE "$2/brick0$n-symbol.png" "$home/cell.png" null: 2> /dev/null && break; [ $n = 5 ] && fail "no symbol"; done
keys alt+v c

keys alt+f e
[ -n "$(window Vondrel)" ] || fail "File > Exit does not ask"
xdotool key n

# Clicks and drags with any button on the board and off it, the menus from the keyboard (never File >
# Exit), and whatever dialogue comes answered at random.
eval "$(xdotool getwindowgeometry --shell "$main")"
end=$((SECONDS + ${MONKEY_SECONDS:-8}))
menus=("alt+f n" "alt+f r" "alt+f Down Up Escape" "alt+v s" "alt+v h" "alt+v Escape" Escape Return)
while [ $SECONDS -lt $end ]; do
    if [ $((RANDOM % 6)) = 0 ]; then
        keys ${menus[RANDOM % 8]}
    else
        button=$((RANDOM % 5 > 2 ? 1 + RANDOM % 3 : 1))
        xdotool mousemove $((X + RANDOM % 900)) $((Y + 30 + RANDOM % 448)) mousedown $button \
            mousemove $((X + RANDOM % 320)) $((Y + 30 + RANDOM % 448)) mouseup $button
    fi
    for tries in $(seq 20) fail; do
        [ $tries = fail ] && fail "a dialogue does not go away"
        dialogue=$(xdotool search --all --onlyvisible --pid $game --name '^(Game over!|Vondrel|High score)$' 2>/dev/null | head -n 1) || break
        xdotool windowfocus "$dialogue"
        [ "$(xdotool getwindowname "$dialogue")" = Vondrel ] && xdotool type 'n<&>[Bricks(3)]=;\'
        xdotool key $([ $((RANDOM % 2)) = 0 ] && echo Escape || echo Return)
        sleep 0.3
    done
    kill -0 $game || fail "the program ended"
done

kill -TERM $game
wait $game || fail "SIGTERM ended the program with status $?"
