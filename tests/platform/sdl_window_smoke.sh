#!/bin/sh
# The SDL window under a private Xvfb: found by its title, placed and sized
# right, a frame presented, a message box closed with Enter, mouse presses
# mapped to picture pixels, menu commands chosen by mouse and by mnemonic,
# Alt with another letter reaching the game, and closed with Escape through
# the window's destruction. Exit 77
# (skipped) only when no X server can be started here.
set -u

program=$1
PICTURE_HEIGHT=554

skip() { echo "SKIP: $*"; exit 77; }
fail() {
    echo "FAIL: $*"
    echo "--- program output:"; cat "$work/out" 2>/dev/null
    echo "--- program errors:"; cat "$work/err" 2>/dev/null
    exit 1
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"
command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A sanitizer build runs slower: QUAGMORE_TEST_TIME_SCALE, a whole number
# (1 when unset), multiplies every wait for the program and the server.
time_scale=${QUAGMORE_TEST_TIME_SCALE:-1}
case $time_scale in ''|*[!0-9]*|0) echo "QUAGMORE_TEST_TIME_SCALE must be a whole number above 0"; exit 1 ;; esac

# until_true TENTHS fail|skip MESSAGE COMMAND...: retries COMMAND every 0.1 s
# and gives up with MESSAGE after TENTHS tries (times the time scale).
until_true() {
    tenths=$(($1 * time_scale)); give_up=$2; message=$3; shift 3
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ $tries -gt "$tenths" ] && $give_up "$message"
        sleep 0.1
    done
}
has_output() { grep -q "$1" "$work/out"; }
count_is() { [ "$(grep -c "$1" "$work/out")" = "$2" ]; }
wait_for() { until_true 50 fail "no '$1' from the program" has_output "$1"; }
# click X Y [BUTTON] [PAUSE]: a press at window position (X, Y), then a pause.
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; sleep "${4:-0.4}"; }
hover() { xdotool mousemove --window "$window" "$1" "$2"; sleep "${3:-0.4}"; }
press_key() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; sleep 0.5; }

# Xvfb picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
xvfb_up() {
    kill -0 "$xvfb_pid" 2>/dev/null || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
    [ -s "$work/display" ]
}
until_true 100 skip "Xvfb gave no display within 10 s" xvfb_up
DISPLAY=:$(cat "$work/display")
export DISPLAY
echo "Xvfb on $DISPLAY"

# QUAGMORE_TEST_GL_LIBRARIES, a colon-separated list of GL libraries (the
# leak-checking build sets it), is loaded with the program from its start.
# Loaded on demand, they are unloaded when the window closes, before the leak
# check at exit, and what their globals still held would read as our leaks.
if [ -n "${QUAGMORE_TEST_GL_LIBRARIES:-}" ]; then
    set -- env LD_PRELOAD="$QUAGMORE_TEST_GL_LIBRARIES" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
else
    set --
fi
SDL_AUDIODRIVER=dummy "$@" "$program" --frames 1800 --message "Smoke test message" >"$work/out" 2>"$work/err" &
program_pid=$!
find_window() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window appeared"
    window=$(xdotool search --name '^Quagmore$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
until_true 100 fail "no window titled Quagmore within 10 s" find_window
wait_for presented

# The message box shows over the first frame; Enter closes it.
sleep 0.5
has_output "^message closed$" && fail "the message box closed by itself"
press_key Return
wait_for "^message closed$"

geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Position: 100,10 " || fail "window not at (100, 10)"
size=$(echo "$geometry" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
[ "${size%x*}" = 592 ] || fail "window is ${size%x*} wide, not 592"
menu=$((${size#*x} - PICTURE_HEIGHT))
[ $menu -gt 0 ] || fail "no room for the menu bar above a picture of $PICTURE_HEIGHT rows (size $size)"
bar=$((menu / 2))

# The middle of the picture area is picture pixel (300, 300); its corners are
# (0, 0) and (598, 598), the inverse of the stretch from 600 to 592 x 554.
click 296 $((menu + 277)) 1 0
wait_for "^left 300 300$"
sleep 0.6
click 0 "$menu" 3 0
wait_for "^right 0 0$"
sleep 0.6
# Of a double click only the first press is handed on.
xdotool mousemove --window "$window" 591 $((menu + PICTURE_HEIGHT - 1)) click --repeat 2 --delay 80 1
wait_for "^left 598 598$"
sleep 0.6
count_is '^left ' 2 || fail "the second press of a double click was handed on"

# A press on the menu bar opens File and reaches no button message; its first
# item is Reset (command 5).
click 15 $bar
click 20 $((menu + 10))
wait_for "^command 5$"
count_is '^left ' 2 || fail "a press on the menu was handed on as a press"

# File > Levels opens on hover; Level 3 is grayed, Level 2 (command 22) is not.
click 15 $bar
hover 25 $((menu + 31))
hover 120 $((menu + 65)) 0.3
xdotool click 1; sleep 0.4
has_output "^command 23$" && fail "a grayed item gave its command"
hover 120 $((menu + 48)) 0.3
xdotool click 1
wait_for "^command 22$"

# Help > About opens the About box; the Escape that closes it does not also
# reach the game (it would end it), the next Escape does.
click 60 $bar
click 70 $((menu + 10)) 1 0
wait_for "^command 4$"
sleep 0.3
press_key Escape
has_output "^escape$" && fail "the Escape that closed the About box reached the game"
# The mnemonics: Alt+H opens Help, A chooses About; neither letter reaches the game.
xdotool key alt+h
sleep 0.4
xdotool key a
until_true 50 fail "Alt+H, A did not choose About" count_is '^command 4$' 2
sleep 0.3
press_key Escape
has_output "^exit" && fail "the Escape that closed the About box ended the program"
# Alt with a letter that is no menu's reaches the game as the letter.
xdotool keydown alt keydown r; sleep 0.3; xdotool keyup r keyup alt; sleep 0.4
wait_for "^r$"
press_key Escape
wait_for "^exit"
wait "$program_pid"
status=$?
program_pid=
[ $status = 0 ] || fail "exit code $status after Escape"
grep -A1 "^escape$" "$work/out" | grep -q "^destroy$" || fail "Escape did not end through the window's destruction"
echo "window smoke test passed"
