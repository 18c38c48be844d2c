#!/usr/bin/env bash
# The game with Orca, the desktop's screen reader, on the X display given: a private session bus with the
# accessibility bus, speech-dispatcher with its dummy module, and Orca writing what it says to its debug log.
# Played from the keyboard: the first arrow and a Down each speak the cell, not its row; a 1.6 s hold of Space,
# with the server's key repeat on, presses once and removes one group, and says so; Orca's status-bar command
# speaks the count and the time. Usage: screen_reader.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
soon() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done; return 1; }
stop() {
    # Orca first, and script, its parent, ends with it: another Orca will not start beside this one, even a dead one
    # that no parent has waited for.
    pkill -KILL -P "${reader:-0}" 2> /dev/null && soon bash -c "! kill -0 $reader 2> /dev/null" || true
    kill $(jobs -p) 2> /dev/null || true
    for job in $(jobs -p); do soon bash -c "! kill -0 $job 2> /dev/null" || true; done
    rm -rf "$work"
}
trap stop EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# What Orca said from line $1 of its log on, one utterance a line, without its closing full stop.
said() { tail -n "+$1" "$work/orca.log" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" | sed 's/\.$//'; }
fail() { echo "screen_reader.sh: $*"; echo "Orca said:"; said 1 | sed 's/^/    /'; exit 1; }
mark() { wc -l < "$work/orca.log"; }

pgrep -u "$(id -u)" -x orca > /dev/null && echo "screen_reader.sh: Orca runs for this user already: skipped" && exit 77
dbus-daemon --session --nofork --print-address=1 > "$work/bus" 2> /dev/null &
soon test -s "$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
soon dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true 2> /dev/null || fail "no accessibility bus"
# Orca's own start of speech-dispatcher needs a sound server, and would outlive the test: this one speaks into
# nothing, with the dummy module, and is the only one.
printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' 'AudioOutputMethod "alsa"' \
    'AudioALSADevice "null"' 'DisableAutoSpawn' > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
speech-dispatcher -s -t 0 > /dev/null 2>&1 &
soon test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" || fail "no speech-dispatcher"
# Orca writes its log in blocks to a file, but a line at a time to a terminal: script gives it one.
script -qfc "exec orca -u '$work/orca' --debug-file /dev/tty" "$work/orca.log" > /dev/null 2>&1 &
reader=$!
soon grep -q "SPEECH OUTPUT: 'Screen reader on" "$work/orca.log" || fail "Orca did not start"
xset r on # the X server's key repeat, as on a desktop
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" > /dev/null 2>&1 &
xdotool search --sync --name '^Bricks$' windowfocus --sync > /dev/null
soon bash -c "grep -q 'table with 14 rows 10 columns' '$work/orca.log'" || fail "Orca did not find the board"

# Keys, and the cells Orca says after them.
cells() {
    local from=$(mark)
    xdotool key --delay 200 "$@"
    sleep 1
    said "$from" | grep -E '^(Empty|.* brick), column' || true
}
# The first arrow brings the cursor up and left of the centre; Down moves it a row: each speaks the one cell.
[[ "$(cells Down)" =~ ^[^$'\n']*column\ 5,\ row\ 7[^$'\n']*$ ]] || fail "the first arrow did not speak the one cell"
[[ "$(cells Down)" =~ ^[^$'\n']*column\ 5,\ row\ 8[^$'\n']*$ ]] || fail "Down did not speak the one cell"
cell=$(cells Down Down Down Down Down Down | tail -n 1) # the bottom row, never empty

# Along the row to a brick whose group can go, and a hold of Space there.
for key in Right Right Right Right Right Right Right Right Right Left Left Left Left Left Left Left Left Left; do
    [[ $cell =~ group\ of\ ([2-9]|[1-9][0-9]) ]] && break
    cell=$(cells $key)
done
from=$(mark)
xdotool keydown space sleep 1.6 keyup space
soon bash -c "tail -n +$from '$work/orca.log' | grep -q 'bricks removed'" || fail "the hold removed nothing"
sleep 1.5 # time for a second removal, were there one
spoken=$(said "$from")
removals=$(grep -oE '[0-9]+ bricks removed, [0-9]+ left' <<< "$spoken")
[ "$(wc -l <<< "$removals")" = 1 ] || fail "the hold removed more than one group: $removals"
[ "$(grep -c ', pressed$' <<< "$spoken")" = 1 ] || fail "the hold did not say the press once"
read -r gone _ _ left _ <<< "$removals"
[ $((140 - gone)) = "$left" ] || fail "140 bricks, $gone removed, $left left"

# Orca's status-bar command: Orca's key, Insert, with the keypad's Enter twice.
from=$(mark)
xdotool keydown Insert key KP_Enter sleep 0.3 key KP_Enter keyup Insert
soon bash -c "tail -n +$from '$work/orca.log' | grep -q 'SPEECH OUTPUT: .Time: '" || fail "no status bar spoken"
said "$from" | grep -qx "Bricks left: $left" && said "$from" | grep -qE '^Time: 00:00:[0-9]{2}$' \
    || fail "the status bar did not speak the count and the time"
