#!/bin/sh
# The real game's start without a display and its end by signal.
# - With no display named (DISPLAY, WAYLAND_DISPLAY and SDL_VIDEODRIVER
#   unset) it says why on stderr and exits 1, and a second try does the same
#   (a failed start holds no lock). SDL's offscreen driver asked for by name
#   still runs it.
# - Under a private Xvfb, started with the default signal dispositions, the
#   game solves a level, and SIGINT, SIGTERM and SIGHUP each end it through
#   the close box: exit 0, the saved progress intact, no temporary left.
# Exit 77 (skipped) for the Xvfb part only when Xvfb or xdotool is missing.
# Usage: game_start_stop_test.sh QUAGMORE QUAGMORE_LEVEL
game=$1
tool=$2
. "$(dirname "$0")/../support/test_lib.sh"
xvfb_pid=
game_pid=
test_cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}

# QUAGMORE_TEST_GL_LIBRARIES, a colon-separated list of GL libraries (the
# leak-checking build sets it), is loaded with each game that gets a window
# from its start: loaded on demand, they are unloaded when the window closes,
# before the leak check at exit, and what their globals still held would read
# as our leaks.
gl_preload=
if [ -n "${QUAGMORE_TEST_GL_LIBRARIES:-}" ]; then
    gl_preload="LD_PRELOAD=$QUAGMORE_TEST_GL_LIBRARIES"
    gl_preload="$gl_preload ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
fi

home=$work/home
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
run_game() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER HOME="$home" XDG_RUNTIME_DIR="$work/run" \
        XDG_CONFIG_HOME= XDG_DATA_HOME= SDL_AUDIODRIVER=dummy "$@"
}

for try in 1 2; do
    run_game timeout 20 "$game" >"$work/out" 2>"$work/err"
    got=$?
    [ "$got" -eq 1 ] || fail "start $try without a display exited $got, not 1"
    grep -q "no window" "$work/err" || fail "start $try without a display said nothing: $(cat "$work/err")"
done

# (A simple command, so that $! is the game itself.)
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME= XDG_DATA_HOME= \
    SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=offscreen $gl_preload env --default-signal=TERM "$game" \
    >"$work/out" 2>"$work/err" &
game_pid=$!
sleep 2
if kill -0 "$game_pid" 2>/dev/null; then
    kill -TERM "$game_pid"
    wait "$game_pid"
    got=$?
    [ "$got" -eq 0 ] || fail "the offscreen game ended with $got after SIGTERM, not 0: $(cat "$work/err")"
else
    fail "the game did not run on the offscreen driver asked for by name: $(cat "$work/err")"
fi
game_pid=

if ! command -v Xvfb >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    [ "$failures" -eq 0 ] || exit 1
    echo "SKIP: the signals under X need Xvfb and xdotool"
    exit 77
fi
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
until_true 100 test -s "$work/display" || { echo "SKIP: Xvfb could not start"; exit 77; }
display=:$(cat "$work/display")

# Level 1 of this home: the exit right of the start.
data=$home/.local/share/quagmore
config=$home/.config/quagmore
mkdir -p "$data"
{
    echo "~~~~~~~~~~~~"
    echo "~@E~~~~~~~~~"
    i=0
    while [ $i -lt 10 ]; do echo "~~~~~~~~~~~~"; i=$((i + 1)); done
} >"$work/level1.txt"
"$tool" pack "$work/level1.txt" "$data/level1.dat" >/dev/null || fail "can't pack the test level"

saved_two() { [ "$(cat "$config/progress" 2>/dev/null)" = "Level=2" ]; }
for signal in INT TERM HUP; do
    rm -rf "$config"
    # A background job of a script starts with SIGINT ignored: reset them all.
    env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY="$display" HOME="$home" XDG_RUNTIME_DIR="$work/run" \
        XDG_CONFIG_HOME= XDG_DATA_HOME= SDL_AUDIODRIVER=dummy $gl_preload \
        env --default-signal=INT,TERM,HUP "$game" >"$work/out" 2>"$work/err" &
    game_pid=$!
    window_up() { DISPLAY=$display xdotool search --name '^Quagmore$' >/dev/null 2>&1; }
    if ! until_true 100 window_up; then
        fail "SIG$signal: no window: $(cat "$work/err")"
        kill -9 "$game_pid" 2>/dev/null; game_pid=; continue
    fi
    sleep 0.5
    DISPLAY=$display xdotool keydown Right; sleep 0.6; DISPLAY=$display xdotool keyup Right
    until_true 50 saved_two || fail "SIG$signal: level 1 was not solved and saved"
    kill -s "$signal" "$game_pid"
    wait "$game_pid"
    got=$?
    game_pid=
    [ "$got" -eq 0 ] || fail "SIG$signal: the game ended with $got, not 0 (the close box): $(cat "$work/err")"
    saved_two || fail "SIG$signal: the saved progress is $(cat "$config/progress" 2>&1)"
    # The progress and the solve's records, and no temporary file beside them.
    [ "$(ls "$config" | tr '\n' ' ')" = "progress records " ] ||
        fail "SIG$signal: left in the config directory: $(ls "$config")"
done

test_verdict "start and stop as expected"
