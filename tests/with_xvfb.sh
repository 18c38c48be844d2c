#!/usr/bin/env bash
# Runs the given command against a private Xvfb server, which is stopped afterwards.
set -euo pipefail

runtime=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$runtime"' EXIT

# -displayfd picks a free display number and reports it once the server is ready;
# -noreset keeps the server up when its last client leaves.
exec 3> "$runtime/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset > "$runtime/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$runtime/display" ] && break
    sleep 0.05
done
exec 3>&-
display=$(head -n 1 "$runtime/display")
[ -n "$display" ] || { echo "Xvfb did not start" >&2; cat "$runtime/xvfb.log" >&2; exit 1; }

# The programs speak English, whatever language the desktop around the tests speaks.
export DISPLAY=":$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb LANGUAGE=en
"$@"
