#!/bin/sh
# Measures what the game window costs: starts the real game under a private
# Xvfb with dummy audio, focuses it, and prints the process's share of one
# core over 5 s with nothing moving and over 5 s of walking (an arrow held,
# left and right in turn), and the window's size. Not part of the tests.
#
#   sh scripts/window-cpu.sh [PROGRAM]     (default: build/bin/quagmore)
#
# WINDOW_CPU_SCREEN sets the screen (1280x1024x24), WINDOW_CPU_SETTINGS the
# lines of the settings file the game starts with, e.g. "zoom=fit fullscreen=1"
# (none: the first start's view).
set -eu

program=${1:-build/bin/quagmore}
SECONDS_MEASURED=5
SCREEN=${WINDOW_CPU_SCREEN:-1280x1024x24}

[ -x "$program" ] || { echo "no program at $program (build it first)"; exit 1; }
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ]; do
    tries=$((tries + 1)); [ $tries -gt 100 ] && { echo "Xvfb did not start"; exit 1; }
    sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY

# A fresh home: no saved progress, level 1, and the settings asked for.
mkdir -p "$work/home/.config/quagmore"
for line in ${WINDOW_CPU_SETTINGS:-}; do echo "$line"; done >"$work/home/.config/quagmore/settings"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    SDL_AUDIODRIVER=dummy "$program" >"$work/out" 2>&1 &
game_pid=$!
tries=0
window=
until [ -n "$window" ]; do
    kill -0 "$game_pid" 2>/dev/null || { echo "the game ended:"; cat "$work/out"; exit 1; }
    tries=$((tries + 1)); [ $tries -gt 150 ] && { echo "no game window"; exit 1; }
    sleep 0.1
    window=$(xdotool search --name '^Quagmore$' 2>/dev/null | head -n 1 || true)
done
# SDL may make the window anew for its renderer (as in fullscreen): the
# window is looked for again once the game has settled.
sleep 2
window=$(xdotool search --name '^Quagmore$' 2>/dev/null | tail -n 1 || true)
xdotool windowfocus "$window" 2>/dev/null || true
sleep 1
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')

# Clock ticks of user and system time the process has used.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
ticks_per_second=$(getconf CLK_TCK)
# share START END: percent of one core over the measured seconds.
share() { awk -v a="$1" -v b="$2" -v hz="$ticks_per_second" -v s="$SECONDS_MEASURED" \
    'BEGIN { printf "%.1f%%", (b - a) * 100 / (hz * s) }'; }

start=$(cpu_ticks)
sleep $SECONDS_MEASURED
idle=$(share "$start" "$(cpu_ticks)")

start=$(cpu_ticks)
for key in Right Left Right Left Right; do
    xdotool keydown $key; sleep 1; xdotool keyup $key
done
walking=$(share "$start" "$(cpu_ticks)")

kill -0 "$game_pid" 2>/dev/null || { echo "the game ended while measured:"; cat "$work/out"; exit 1; }
echo "program:  $program"
echo "window:   $size on a $SCREEN screen${WINDOW_CPU_SETTINGS:+ with $WINDOW_CPU_SETTINGS}"
echo "idle:     $idle of one core over ${SECONDS_MEASURED} s"
echo "walking:  $walking of one core over ${SECONDS_MEASURED} s"
echo "load:     $(cut -d' ' -f1-3 /proc/loadavg)"
