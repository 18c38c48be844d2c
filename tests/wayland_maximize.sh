#!/usr/bin/env bash
# The game on Wayland in a nested weston, which draws no borders, so Qt draws the title bar
# with a maximise button. Pressing it must leave the window of fixed size as it was and the
# game running: weston ends a client that acknowledges a maximised size and keeps its own.
set -euo pipefail
program=$1
work=$XDG_RUNTIME_DIR
fail() { echo "$1"; cat "$work/game.log"; exit 1; }
trap 'kill "${game:-}" "${weston:-}" 2>/dev/null || true' EXIT

# weston takes the pointer only on its entering the window, so it starts outside. A black
# desktop without a panel leaves the window the only area of Qt's window colour.
xdotool mousemove 1200 1000
printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff000000\npanel-position=none\nlocking=false\n' > "$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --socket=bricks \
    --width=800 --height=700 > "$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$work/bricks" ] && break; sleep 0.1; done
mkdir "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home" WAYLAND_DISPLAY=bricks QT_QPA_PLATFORM=wayland \
    "$program" > "$work/game.log" 2>&1 &
game=$!

# The frame as "width height +x +y": the window colour, with the pointer's few pixels opened away.
frame() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -fill black +opaque '#EFEFEF' -morphology Open Square:5 -trim -format '%w %h %X %Y\n' info: 2> /dev/null
}
# Rows from the middle of the board, away from the clock; columns up to $2 pixels in.
board() { convert "$work/$1.png" -crop "$2x$((h / 2))+$((x))+$((y + h / 4))" +repage "$work/$1-$2.png"; }
same() { compare -metric AE "$work/$1-$3.png" "$work/$2-$3.png" null: 2> /dev/null; }
for _ in $(seq 50); do read -r w h x y < <(frame before) && [ "$w" -gt 100 ] && break; sleep 0.2; done
[ "${w:-0}" -gt 100 ] || fail "no window"
board before "$w"

# Qt's title bar: the maximise button's centre is 40 pixels left of the frame's right end.
for click in 1 1 1 1 1 "--repeat 2 --delay 80 1"; do
    xdotool mousemove $((x + w - 40)) $((y + 15)) click $click
    sleep 0.5
done
kill -0 "$game" 2>/dev/null || fail "the game ended"
after=$(frame after)
[ "$after" = "$w $h $x $y" ] || fail "the frame $w $h $x $y became $after"
board after "$w"
same before after "$w" || fail "the board changed"

# The game still answers: a press in the middle of the sixth column shows its brick pressed,
# seen left of the pointer.
xdotool mousemove $((x + 179)) $((y + h / 2)) mousedown 1 sleep 0.5
import -window root "$work/pressed.png"
board before 171 && board pressed 171
! same before pressed 171 || fail "a press on the board showed nothing"
# The minimise button, 23 pixels further left, takes the window away: the presses above landed.
xdotool mouseup 1 mousemove $((x + w - 63)) $((y + 15)) click 1 sleep 0.5
read -r left _ < <(frame minimised) || true
[ "${left:-0}" -lt 100 ] || fail "the title bar's buttons are elsewhere"
