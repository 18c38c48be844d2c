#!/usr/bin/env bash
# bench/run.sh BUILD_FOLDER: prints every measured figure beside its target, from the
# programs built in BUILD_FOLDER (make bench uses build/release), on a private Xvfb server.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: bench/run.sh BUILD_FOLDER}" && pwd)
if [ -z "${BENCH_ON_XVFB:-}" ]; then
    # A screen large enough for the window at 400 %.
    BENCH_ON_XVFB=1 exec xvfb-run --auto-servernum "--server-args=-screen 0 3840x2400x24 -noreset" "$0" "$build"
fi
# Settings and caches go to a private folder, never the user's.
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
export XDG_CONFIG_HOME="$private/config" XDG_CACHE_HOME="$private/cache" XDG_RUNTIME_DIR="$private" QT_QPA_PLATFORM=xcb

game="$build/main_window/bricks"
baseline="$build/bench/baseline_window"
probe="$build/bench/startup_probe"
runs=10

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')
echo "Measuring on $(nproc) cores, $cpu; load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
rows=$("$build/bench/bench_in_process")

# A private session bus where a portal owns its name and never answers, as one that hangs.
bus=$(mktemp)
dbus-daemon --session --nofork --print-address=1 > "$bus" &
daemon=$!
trap 'kill $daemon ${portal:-} 2> /dev/null; rm -rf "$private" "$bus"' EXIT
until [ -s "$bus" ]; do sleep 0.05; done
silent=$(head -n 1 "$bus")
DBUS_SESSION_BUS_ADDRESS=$silent "$build/bench/silent_portal" &
portal=$!

# The game at 400 %, as kept from an earlier run.
mkdir -p "$private/zoomed/Vondrel"
printf '[View]\nZoom=400\n' > "$private/zoomed/Vondrel/Vondrel.conf"

# Taken in turns, so that a busy spell on the machine falls on both alike.
# The game in English with no session bus, beside a silent portal, and in German with its own and Qt's catalogues.
game_ms=() game_kb=() german_ms=() silent_ms=() base_ms=() base_kb=() zoomed_kb=()
for _ in $(seq "$runs"); do
    read -r ms kb _ < <(LANGUAGE=en DBUS_SESSION_BUS_ADDRESS= "$probe" 0 "$game")
    game_ms+=("$ms") game_kb+=("$kb")
    read -r ms _ < <(LANGUAGE=en DBUS_SESSION_BUS_ADDRESS=$silent "$probe" 0 "$game")
    silent_ms+=("$ms")
    read -r ms _ < <(LANGUAGE=de "$probe" 0 "$game")
    german_ms+=("$ms")
    read -r ms kb _ < <("$probe" 0 "$baseline")
    base_ms+=("$ms") base_kb+=("$kb")
    read -r _ kb _ < <(LANGUAGE=en XDG_CONFIG_HOME="$private/zoomed" "$probe" 0 "$game")
    zoomed_kb+=("$kb")
done
g_ms=$(printf '%s\n' "${game_ms[@]}" | median)
b_ms=$(printf '%s\n' "${base_ms[@]}" | median)
de_ms=$(printf '%s\n' "${german_ms[@]}" | median)
s_ms=$(printf '%s\n' "${silent_ms[@]}" | median)
g_kb=$(printf '%s\n' "${game_kb[@]}" | median)
b_kb=$(printf '%s\n' "${base_kb[@]}" | median)
z_kb=$(printf '%s\n' "${zoomed_kb[@]}" | median)
read -r _ _ idle run < <(LANGUAGE=en "$probe" 10 "$game")

rows+=$'\n'$(awk -v g="$g_ms" -v de="$de_ms" -v s="$s_ms" -v b="$b_ms" -v gk="$g_kb" -v bk="$b_kb" -v zk="$z_kb" \
    -v n="$runs" -v idle="$idle" -v run="$run" '
BEGIN {
    printf "Start-up to first board\t<= 1.25 x baseline\t%.1f ms = %.2f x baseline %.1f ms (medians of %d)\n",
        g, g / b, b, n
    printf "Start-up, a silent portal on the bus\t<= 1.25 x baseline\t%.1f ms = %.2f x baseline (median of %d)\n",
        s, s / b, n
    printf "Start-up in German (LANGUAGE=de)\t<= 1.25 x baseline\t%.1f ms = %.2f x baseline (median of %d)\n",
        de, de / b, n
    printf "Peak memory (VmHWM)\t<= baseline + 8 MB\t%.1f MB = baseline %.1f MB + %.1f MB\n",
        gk / 1024, bk / 1024, (gk - bk) / 1024
    printf "Peak memory at 400 %% zoom\tbeside the 100 %% one\t%.1f MB, at 100 %%: %.1f MB\n", zk / 1024, gk / 1024
    printf "Idle, clock running, 10 s\t< 0.5 %% of a core\t%.2f %% of a core (scheduler: %.3f %%)\n", idle, run
}')
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
{ printf 'Figure\tTarget\tMeasured\n'; printf '%s\n' "$rows"; } | awk -F'\t' '{ printf "%-52s %-28s %s\n", $1, $2, $3 }'
