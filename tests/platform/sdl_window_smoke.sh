#!/bin/sh
# The SDL window under a private Xvfb: found by its title, placed and sized
# right, a frame presented, mouse presses mapped to picture pixels, a menu
# command chosen, and closed with Escape. Exit 77 (skipped) only when no X
# server can be started here.
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

# Xvfb picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
while [ ! -s "$work/display" ]; do
    kill -0 "$xvfb_pid" 2>/dev/null || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
    tries=$((tries + 1))
    [ $tries -gt 100 ] && skip "Xvfb gave no display within 10 s"
    sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
echo "Xvfb on $DISPLAY"

# Waits up to 5 s for a line of the program's output.
wait_for() {
    tries=0
    until grep -q "$1" "$work/out"; do
        tries=$((tries + 1))
        [ $tries -gt 50 ] && fail "no '$1' from the program"
        sleep 0.1
    done
}
press_key() {
    xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"
}

SDL_AUDIODRIVER=dummy "$program" --frames 1800 >"$work/out" 2>"$work/err" &
program_pid=$!

window=
tries=0
while [ -z "$window" ]; do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window appeared"
    tries=$((tries + 1))
    [ $tries -gt 100 ] && fail "no window titled Quagmore within 10 s"
    window=$(xdotool search --name '^Quagmore$' 2>/dev/null | head -n 1)
    sleep 0.1
done
wait_for presented

geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Position: 100,10 " || fail "window not at (100, 10)"
size=$(echo "$geometry" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
width=${size%x*}
height=${size#*x}
[ "$width" = 592 ] || fail "window is $width wide, not 592"
menu=$((height - PICTURE_HEIGHT))
[ $menu -gt 0 ] || fail "no room for the menu bar above a picture of $PICTURE_HEIGHT rows (height $height)"

# The middle of the picture area is picture pixel (300, 300); its corners are
# (0, 0) and (598, 598), the inverse of the stretch from 600 to 592 x 554.
xdotool mousemove --window "$window" 296 $((menu + 277)) click 1
wait_for "^left 300 300$"
sleep 0.6
xdotool mousemove --window "$window" 0 "$menu" click 3
wait_for "^right 0 0$"
sleep 0.6
xdotool mousemove --window "$window" 591 $((menu + PICTURE_HEIGHT - 1)) click --repeat 2 --delay 80 1
wait_for "^left-double 598 598$"
sleep 0.6

# A press on the menu bar opens File and reaches no button message; its first
# item is Reset (command 5).
xdotool mousemove --window "$window" 15 $((menu / 2)) click 1
sleep 0.4
xdotool mousemove --window "$window" 20 $((menu + 10)) click 1
wait_for "^command 5$"
[ "$(grep -c '^left ' "$work/out")" = 2 ] || fail "a press on the menu reached the window procedure"

# File > Levels opens on hover; Level 3 is grayed, Level 2 (command 22) is not.
xdotool mousemove --window "$window" 15 $((menu / 2)) click 1
sleep 0.4
xdotool mousemove --window "$window" 25 $((menu + 31))
sleep 0.4
xdotool mousemove --window "$window" 120 $((menu + 65))
sleep 0.3
xdotool click 1
sleep 0.4
grep -q "^command 23$" "$work/out" && fail "a grayed item gave its command"
xdotool mousemove --window "$window" 120 $((menu + 48))
sleep 0.3
xdotool click 1
wait_for "^command 22$"

# Help > About opens the About box; the Escape that closes it does not also
# reach the game (it would end it), the next Escape does.
xdotool mousemove --window "$window" 60 $((menu / 2)) click 1
sleep 0.4
xdotool mousemove --window "$window" 70 $((menu + 10)) click 1
wait_for "^command 4$"
sleep 0.3
press_key Escape
sleep 0.5
grep -q "^escape$" "$work/out" && fail "the Escape that closed the About box reached the game"
# The mnemonics: Alt+H opens Help, A chooses About; neither letter reaches the game.
xdotool key alt+h
sleep 0.4
xdotool key a
tries=0
until [ "$(grep -c '^command 4$' "$work/out")" = 2 ]; do
    tries=$((tries + 1))
    [ $tries -gt 50 ] && fail "Alt+H, A did not choose About"
    sleep 0.1
done
sleep 0.3
press_key Escape
sleep 0.5
grep -q "^exit" "$work/out" && fail "the Escape that closed the About box ended the program"
press_key Escape
wait_for "^exit"
wait "$program_pid"
status=$?
program_pid=
[ $status = 0 ] || fail "exit code $status after Escape"
grep -q "^destroy$" "$work/out" || fail "no WM_DESTROY"
echo "window smoke test passed"
