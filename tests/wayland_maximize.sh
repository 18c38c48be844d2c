#!/usr/bin/env bash
# The game on Wayland in a nested weston, which draws no borders, so Qt draws the title bar
# with a maximise button. Pressing it must leave the window of fixed size as it was and the
# game running: weston ends a client that acknowledges a maximised size and keeps its own.
# A zoom, which changes that size, changes none of this. The game starts zoomed to 150 %, as kept from an earlier
# run, and zooms out to 100 %: a client cannot move its window on Wayland, and weston may have placed it where a
# larger one would stick out.
set -euo pipefail
program=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
fail() { echo "$1"; cat "$work/game.log"; exit 1; }
trap 'kill "${game:-}" "${weston:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# weston takes the pointer only on its entering the window, so it starts outside. A black
# desktop without a panel leaves the window the only area of Qt's window colour.
xdotool mousemove 1200 1000
printf '%s\n' '[core]' idle-time=0 '[shell]' background-color=0xff000000 panel-position=none locking=false \
    > "$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --socket=bricks \
    --width=1000 --height=900 > "$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$work/bricks" ] && break; sleep 0.1; done

# The frame as "width height +x +y": the window colour, with the pointer's few pixels opened away by an 11 x 11
# square, taken as a row and a column, which is three times as quick.
frame() {
    import -window root miff:- | convert - -fill black +opaque '#EFEFEF' -morphology Erode Rectangle:11x1 \
        -morphology Erode Rectangle:1x11 -morphology Dilate Rectangle:11x1 -morphology Dilate Rectangle:1x11 -trim \
        -format '%w %h %X %Y\n' info: 2> /dev/null
}

# Qt's default Wayland plugin and another of its family.
for plugin in wayland wayland-egl; do
    mkdir -p "$work/$plugin/Vondrel"
    printf '[View]\nZoom=150\n' > "$work/$plugin/Vondrel/Vondrel.conf"
    HOME="$work/$plugin" XDG_CONFIG_HOME="$work/$plugin" WAYLAND_DISPLAY=bricks QT_QPA_PLATFORM=$plugin \
        "$program" > "$work/game.log" 2>&1 &
    game=$!
    w=0
    for _ in $(seq 50); do read -r w h x y < <(frame) && [ "$w" -gt 100 ] && break; sleep 0.2; done
    [ "${w:-0}" -gt 100 ] || fail "$plugin: no window"

    # Zoomed out from the keyboard, the board two thirds as large; Qt's title bar, where the maximise button's
    # centre is 40 pixels left of the frame's right end.
    smaller="$((w - 320 / 2)) $((h - 448 / 2))" # a third of a board 480 x 672 less
    xdotool mousemove $((x + w / 2)) $((y + 15)) click 1 sleep 0.3 key ctrl+minus
    for _ in $(seq 10); do read -r w h x y < <(frame) && [ "$w $h" = "$smaller" ] && break; sleep 0.2; done
    [ "$w $h" = "$smaller" ] || fail "$plugin: zoomed out, the frame is $w $h, not $smaller"
    for click in 1 1 "--repeat 2 --delay 80 1"; do
        xdotool mousemove $((x + w - 40)) $((y + 15)) click $click
        sleep 0.5
    done
    kill -0 "$game" 2>/dev/null || fail "$plugin: the game ended"
    [ "$(frame)" = "$w $h $x $y" ] || fail "$plugin: the frame $w $h $x $y changed"

    # The minimise button, 23 pixels further left, takes the window away: the game still answers, and the presses
    # above landed.
    xdotool mousemove $((x + w - 63)) $((y + 15)) click 1 sleep 0.5
    read -r left _ < <(frame) || true
    [ "${left:-0}" -lt 100 ] || fail "$plugin: the title bar's buttons are elsewhere"
    kill "$game" && wait "$game" || true
done
