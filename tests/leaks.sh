#!/usr/bin/env bash
# Memcheck over the real program: start-up, a short game, the high-score window and the end
# on SIGTERM, on the display that with_xvfb.sh provides. Fails when the program does not end
# cleanly, or when a definitely lost block or an invalid access comes from our own code;
# what Qt and the X and font libraries keep until exit is only counted.
# Usage: with_xvfb.sh leaks.sh PROGRAM SOURCE_DIR
set -euo pipefail
program=$1
sources=$2
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work

valgrind --leak-check=full --errors-for-leak-kinds=definite --num-callers=30 --log-file="$work/memcheck.log" "$program" &
pid=$!
window=
for _ in $(seq 240); do # memcheck makes start-up slow
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Bricks$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "leaks.sh: no window"; cat "$work/memcheck.log"; exit 1; }
sleep 3
eval "$(xdotool getwindowgeometry --shell "$window")"
# The board starts below the menu bar, at the first row of the board colour.
import -window root -crop "1x80+$X+$Y" "txt:$work/column.txt"
top=$(grep -m 1 'srgb(100,135,220)' "$work/column.txt" | sed 's/^0,\([0-9]*\):.*/\1/')
for cell in 130 131 132 133 134 135 136 137 138 139 125 120; do
    xdotool mousemove $((X + cell % 10 * 32 + 16)) $((Y + top + cell / 10 * 32 + 16)) click 1
    sleep 1.5
done
xdotool mousemove $((X + 100)) $((Y + top + 100)) mousedown 1 mousemove $((X + 900)) $((Y + 900)) mouseup 1
xdotool windowfocus "$window" key alt+v key h
sleep 3
xdotool key Escape
sleep 1
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
grep -E "definitely lost:|indirectly lost:|ERROR SUMMARY" "$work/memcheck.log"
[ "$status" -eq 0 ] || { echo "leaks.sh: the program ended with status $status"; exit 1; }

# A report is ours when its first frame past memcheck's allocator that is not in a header
# lies in one of our sources; one in a shared library is someone else's.
files=$(cd "$sources" && find board drawing main_window platform scores -name '*.cpp' -printf '%f|' | sed 's/|$//; s/\./\\./g')
export OURS="\(($files):[0-9]+\)"
awk '
    /are definitely lost in loss record|Invalid (read|write|free)|uninitialised|Mismatched free/ {
        block = $0 "\n"; open = 1; decided = 0; next
    }
    open && /^==[0-9]+== *$/ {
        open = 0
        if (decided == 1) { printf "%s", block; found = 1 }
        next
    }
    open {
        block = block $0 "\n"
        if (decided || $0 ~ /vgpreload_memcheck/) next
        if ($0 ~ ENVIRON["OURS"]) decided = 1
        else if ($0 ~ /\(in \//) decided = 2
    }
    END { exit found }
' "$work/memcheck.log" || { echo "leaks.sh: the reports above come from our code"; exit 1; }
echo "leaks.sh: nothing lost or misused by our code"
