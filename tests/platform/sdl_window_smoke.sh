#!/bin/sh
# The SDL window under a private Xvfb: found by its title, placed and sized
# right, a frame presented, a message box closed with Enter, a dropped file
# handed on (SDL's drop events pushed by the program), mouse presses
# mapped to picture pixels, menu commands chosen by mouse and by mnemonic,
# Alt with another letter reaching the game, and closed with Escape through
# the window's destruction. Then the view: nothing presented while nothing
# changes, fullscreen with no window manager (the window placed over the
# screen, the whole picture read back from the screen), the zoom and
# fullscreen remembered in the settings, the first size on larger screens,
# presses at 2x and in a resized window, fullscreen under a window manager
# (F11 and Alt+Enter, in and out), Zoom to fit there (filling the height,
# a press on the right cell), and a damaged settings file. Exit 77 (skipped)
# only when no X server can be started here.
set -u

program=$1
game=${2:-}   # the game itself, for the status line of a played file
PICTURE=600

skip() { echo "SKIP: $*"; exit 77; }
fail() {
    echo "FAIL: $*"
    echo "--- program output:"; cat "$work/out" 2>/dev/null
    echo "--- program errors:"; cat "$work/err" 2>/dev/null
    exit 1
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"
command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"
# Fullscreen on X is the window manager's to grant (SDL asks for it through
# _NET_WM_STATE_FULLSCREEN); evilwm is a small one that grants it.
command -v evilwm >/dev/null 2>&1 || skip "evilwm is not installed (Debian package evilwm)"

work=$(mktemp -d)
xvfb_pid=
xvfb_pids=
program_pid=
wm_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    for pid in $xvfb_pids; do kill "$pid" 2>/dev/null; done
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
# mark, then has_new_output PATTERN: that output came after the mark.
mark() { marked=$(wc -l <"$work/out"); }
has_new_output() { tail -n +$((marked + 1)) "$work/out" | grep -q "$1"; }
count_is() { [ "$(grep -c "$1" "$work/out")" = "$2" ]; }
wait_for() { until_true 50 fail "no '$1' from the program" has_output "$1"; }
# click X Y [BUTTON] [PAUSE]: a press at window position (X, Y), then a pause.
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; sleep "${4:-0.4}"; }
hover() { xdotool mousemove --window "$window" "$1" "$2"; sleep "${3:-0.4}"; }
press_key() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; sleep 0.5; }

# start_xvfb SIZE: a private X server of one screen of that size, made the
# DISPLAY. Xvfb picks a free display number itself and writes it to fd 3,
# and keeps its screen in a file of fbdir (an XWD image). It never resets:
# a server resets when its last client leaves, and a program connecting just
# then is refused, so one program ending and the next starting would race.
servers=0
start_xvfb() {
    rm -f "$work/display"
    servers=$((servers + 1))
    fbdir=$work/fb$servers
    mkdir -p "$fbdir"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset -fbdir "$fbdir" 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    xvfb_pids="$xvfb_pids $xvfb_pid"
    until_true 100 skip "Xvfb gave no display within 10 s" xvfb_up
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}
xvfb_up() {
    kill -0 "$xvfb_pid" 2>/dev/null || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
    [ -s "$work/display" ]
}
# pixel X Y: the screen's colour at (X, Y), RRGGBB, from the XWD image: a
# header of big-endian words (its size, ..., bytes per line as word 12, the
# colour count as word 19), 12 bytes a colour, then 32-bit pixels B, G, R.
pixel() {
    # shellcheck disable=SC2046
    set -- "$1" "$2" $(od -An -tu4 --endian=big -N80 "$fbdir/Xvfb_screen0")
    at=$(($3 + ${22} * 12 + $2 * ${15} + $1 * 4))
    od -An -tx1 -j "$at" -N3 "$fbdir/Xvfb_screen0" | awk '{ print $3 $2 $1 }'
}
# shows_picture LEFT TOP SIZE: the program's whole picture (four coloured
# quarters in a white frame) lies on the screen at (LEFT, TOP), SIZE wide.
shows_picture() {
    q=$(($3 / 4))
    for spot in "1 1 ffffff" "$(($3 - 2)) $(($3 - 2)) ffffff" "$q $q c03020" "$((3 * q)) $q 20a040" \
        "$q $((3 * q)) 2040c0" "$((3 * q)) $((3 * q)) e0c020"; do
        # shellcheck disable=SC2086
        set -- "$1" "$2" "$3" $spot
        [ "$(pixel $(($1 + $4)) $(($2 + $5)))" = "$6" ] || return 1
    done
}
expect_geometry() {
    until_true 50 fail "window not $1 at $2 ($(xdotool getwindowgeometry "$window"))" \
        sh -c "DISPLAY=$DISPLAY xdotool getwindowgeometry $window | grep -q 'Position: $2 ' &&
               xdotool getwindowgeometry $window | grep -q 'Geometry: $1\$'"
}
start_xvfb 1280x1024
echo "Xvfb on $DISPLAY"

home=$work/home
settings=$home/config/quagmore/settings
mkdir -p "$home/config/quagmore"
printf 'volume=7\nleft=A\n' >"$settings"
# QUAGMORE_TEST_GL_LIBRARIES, a colon-separated list of GL libraries (the
# leak-checking build sets it), is loaded with the program from its start.
# Loaded on demand, they are unloaded when the window closes, before the leak
# check at exit, and what their globals still held would read as our leaks.
# run_program ARGUMENTS... &: the program with dummy audio and those
# libraries. It takes the place of the background shell, so $! is its pid.
run_program() {
    if [ -n "${QUAGMORE_TEST_GL_LIBRARIES:-}" ]; then
        SDL_AUDIODRIVER=dummy LD_PRELOAD="$QUAGMORE_TEST_GL_LIBRARIES" \
            ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" exec "$program" "$@"
    else
        SDL_AUDIODRIVER=dummy exec "$program" "$@"
    fi
}
dropped="$work/a dropped level.txt"
run_program --frames 3600 --home "$home" --message "Smoke test message" --drop "$dropped" >"$work/out" 2>"$work/err" &
program_pid=$!
find_window() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window appeared"
    window=$(xdotool search --name '^Quagmore$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
# SDL may make the window anew for its renderer: the window is looked for
# once the first frame is presented.
until_true 100 fail "the program presented no frame within 10 s" has_output presented
until_true 100 fail "no window titled Quagmore within 10 s" find_window

# The message box shows over the first frame; Enter closes it.
sleep 0.5
has_output "^message closed$" && fail "the message box closed by itself"
press_key Return
wait_for "^message closed$"

# A file dropped on the window comes out as one event with its path; a text
# dropped before it does not.
wait_for "^drop $dropped\$"
count_is '^drop ' 1 || fail "a dropped text was handed on as a file: $(grep '^drop ' "$work/out")"

geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Position: 100,10 " || fail "window not at (100, 10)"
size=$(echo "$geometry" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
# 2x would not fit 90% of 1024 rows: the picture is shown one to one.
[ "${size%x*}" = $PICTURE ] || fail "window is ${size%x*} wide, not $PICTURE"
menu=$((${size#*x} - PICTURE))
[ $menu -gt 0 ] || fail "no room for the menu bar above a picture of $PICTURE rows (size $size)"
bar=$((menu / 2))

# The middle of the picture area is picture pixel (300, 300); its corners are
# (0, 0) and (599, 599).
click 300 $((menu + 300)) 1 0
wait_for "^left 300 300$"
sleep 0.6
click 0 "$menu" 3 0
wait_for "^right 0 0$"
sleep 0.6
# Both presses of a double click are handed on, the second marked as such.
xdotool mousemove --window "$window" 599 $((menu + PICTURE - 1)) click --repeat 2 --delay 80 1
wait_for "^left 599 599 double$"
sleep 0.6
count_is '^left ' 3 || fail "a press of a double click was lost"

# A press on the menu bar opens File and reaches no button message; its first
# item is Reset (command 5).
click 15 $bar
click 20 $((menu + 10))
wait_for "^command 5$"
count_is '^left ' 3 || fail "a press on the menu was handed on as a press"

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
click 108 $bar
click 118 $((menu + 10)) 1 0
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

# A second with nothing moving presents and uploads nothing; the R above
# repainted a quarter, and the next R has only that uploaded again.
idle_second() { tail -n 2 "$work/out" | grep -q "^second: presents 0 uploads 0$"; }
xdotool mousemove 1270 1010
until_true 100 fail "an idle second still presented or uploaded" idle_second
uploads_after_r() {
    line=$(grep "^second: " "$work/out" | tail -n 1)
    n=${line##* }
    [ "$line" != "$last_idle" ] && [ "$n" -gt 0 ]
}
last_idle=$(grep "^second: " "$work/out" | tail -n 1)
xdotool keydown r; sleep 0.2; xdotool keyup r
until_true 50 fail "the repainted quarter was not uploaded" uploads_after_r
[ "$n" -le 12 ] || fail "a repainted quarter took $n uploads, more than its bands"
until_true 100 fail "presents went on after the repaint" idle_second

# View > Fullscreen and F11 remember the choice; the key read before is kept.
has_setting() { grep -qx "$1" "$settings" 2>/dev/null; }
mark
xdotool key alt+v; sleep 0.4; xdotool key f
wait_for "^command 45$"
until_true 50 fail "fullscreen was not remembered" has_setting fullscreen=1
# No window manager runs here to grant it: the window is placed over the
# screen, and the whole picture shows there at 1x below the bar.
expect_geometry 1280x1024 0,0
full_top=$((menu + (1024 - menu - PICTURE) / 2))
until_true 50 fail "the fullscreen picture is not laid out for the screen" \
    has_new_output "^view: window 1280x1024 picture 340,$full_top ${PICTURE}x$PICTURE "
until_true 30 fail "the screen does not show the whole picture ($(pixel 640 512) in the middle)" \
    shows_picture 340 $full_top $PICTURE
xdotool key F11
until_true 50 fail "F11 did not leave fullscreen" has_setting fullscreen=0
# The window is back in its place and size, and the picture laid out for it.
mark
until_true 50 fail "after fullscreen the picture is not back in the $PICTURE-wide window" \
    has_new_output "^view: window ${PICTURE}x${size#*x} picture 0,$menu ${PICTURE}x$PICTURE "
has_setting volume=7 || fail "the settings lost a key the program does not know: $(cat "$settings")"
has_setting left=A || fail "the settings lost the player's key binding: $(cat "$settings")"
has_setting zoom=1 || fail "zoom 1 not written: $(cat "$settings")"
press_key Escape
wait_for "^exit"
wait "$program_pid"
status=$?
program_pid=
[ $status = 0 ] || fail "exit code $status after Escape"
grep -A1 "^escape$" "$work/out" | grep -q "^destroy$" || fail "Escape did not end through the window's destruction"

# The game playing a level file names it in the status line: the right half
# of its menu bar is the bar drawn with "mine.txt   Moves 0   Pushes 0", and
# not the one drawn with "Level 1   Moves 0   Pushes 0".
# bar_print: a checksum of the right half of the bar of the window at (100, 10).
bar_print() {
    # shellcheck disable=SC2046
    set -- $(od -An -tu4 --endian=big -N80 "$fbdir/Xvfb_screen0")
    y=10
    while [ $y -lt $((10 + menu)) ]; do
        od -An -tx1 -j $(($1 + ${20} * 12 + y * ${13} + (100 + PICTURE / 2) * 4)) -N $((PICTURE / 2 * 4)) \
            "$fbdir/Xvfb_screen0"
        y=$((y + 1))
    done | cksum
}
# bar_with_status TEXT: bar_print of the smoke program's window with that status line.
bar_with_status() {
    run_program --frames 3600 --home "$home" --status "$1" >"$work/out" 2>"$work/err" &
    program_pid=$!
    wait_for presented
    until_true 100 fail "no window titled Quagmore within 10 s" find_window
    sleep 0.5
    bar_print
    press_key Escape
    wait "$program_pid"
    program_pid=
}
if [ -n "$game" ]; then
    mkdir -p "$work/run" "$work/game-home"
    chmod 700 "$work/run"
    { echo "@E~~~~~~~~~~"; for row in 2 3 4 5 6 7 8 9 10 11 12; do echo "~~~~~~~~~~~~"; done; } >"$work/mine.txt"
    xdotool mousemove 1270 1010
    # The GL libraries as run_program loads them (its words split on purpose).
    gl_preload=
    [ -n "${QUAGMORE_TEST_GL_LIBRARIES:-}" ] && gl_preload="LD_PRELOAD=$QUAGMORE_TEST_GL_LIBRARIES \
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
    HOME=$work/game-home XDG_CONFIG_HOME= XDG_DATA_HOME= XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy \
        env $gl_preload "$game" "$work/mine.txt" >"$work/out" 2>"$work/err" &
    program_pid=$!
    until_true 100 fail "the game gave no window within 10 s" find_window
    sleep 2
    played=$(bar_print)
    press_key Escape
    wait "$program_pid" || fail "the game playing a file ended with $?"
    program_pid=
    [ "$played" = "$(bar_with_status "mine.txt   Moves 0   Pushes 0")" ] ||
        fail "the game's status line for mine.txt is not 'mine.txt   Moves 0   Pushes 0'"
    [ "$played" != "$(bar_with_status "Level 1   Moves 0   Pushes 0")" ] ||
        fail "the status lines of the bar cannot be told apart"
fi

# start_on SIZE: the program on a screen of that size, with the home and its
# settings as they are; sets window.
start_on() {
    [ "$1" = "$screen" ] || { screen=$1; start_xvfb "$1"; }
    : >"$work/out"
    run_program --frames 3600 --home "$home" >"$work/out" 2>"$work/err" &
    program_pid=$!
    until_true 100 fail "no frame presented on screen $1 within 10 s" has_output presented
    until_true 100 fail "no window titled Quagmore on screen $1 within 10 s" find_window
}
# stop: Escape, and the program gone with exit code 0.
stop() {
    press_key Escape
    wait_for "^exit"
    wait "$program_pid"
    status=$?
    program_pid=
    [ $status = 0 ] || fail "exit code $status after Escape"
}

screen=
# First start on a 1920 x 1080 screen: 1x, at (100, 10).
rm -f "$settings"
start_on 1920x1080
expect_geometry ${PICTURE}x$((menu + PICTURE)) 100,10
stop

# On 2560 x 1440: 2x. A press lands on the picture pixel under it.
rm -f "$settings"
start_on 2560x1440
# The menu bar's font grows with the zoom: at 2x the bar is taller.
menu2=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
menu2=$((menu2 - 2 * PICTURE))
[ "$menu2" -gt "$menu" ] || fail "the menu bar at 2x ($menu2 rows) is no taller than at 1x ($menu)"
expect_geometry $((2 * PICTURE))x$((menu2 + 2 * PICTURE)) 100,10
click $((2 * 175 + 1)) $((menu2 + 2 * 225 + 1)) 1 0
wait_for "^left 175 225$"
# Resized larger, the picture stays at 2x, centred with black bars; a press on
# a bar is no press on the picture.
xdotool windowsize "$window" 1500 1400
picture_centred() { grep -q "^view: window 1500x1400 picture 150,$((menu2 + (1400 - menu2 - 1200) / 2)) 1200x1200 " "$work/out"; }
until_true 50 fail "the resized window's picture is not centred at 2x" picture_centred
sleep 0.6
click 60 700 1 0.6
click $((150 + 2 * 10)) $((menu2 + (1400 - menu2 - 1200) / 2 + 2 * 20)) 1 0
wait_for "^left 10 20$"
count_is '^left ' 2 || fail "a press on the bar was handed on"
# Smaller than the picture: shrunk to fit, keeping its shape.
xdotool windowsize "$window" 400 500
shrunk() { grep -q "^view: window 400x500 picture 0,$((menu2 + (500 - menu2 - 400) / 2)) 400x400 " "$work/out"; }
until_true 50 fail "the small window's picture is not shrunk to 400x400" shrunk
# View > Zoom 1x is remembered and used at the next start.
xdotool key alt+v; sleep 0.4; xdotool key 1
until_true 50 fail "zoom 1 was not remembered" has_setting zoom=1
stop

# Fullscreen, under a window manager as on a desktop: the window covers the
# screen, the 1x window's picture is letterboxed there at 2x below the bar,
# and a press lands on the picture pixel (editor cell) under it.
evilwm --bw 0 --fn fixed >"$work/wm.log" 2>&1 &
wm_pid=$!
wm_up() {
    kill -0 "$wm_pid" 2>/dev/null || fail "evilwm could not start: $(tail -n 3 "$work/wm.log")"
    xdotool get_num_desktops 2>/dev/null | grep -q '^[1-9]'
}
until_true 50 fail "evilwm did not take the screen within 5 s" wm_up
start_on 2560x1440
expect_geometry ${PICTURE}x$((menu + PICTURE)) 100,10
full_top=$((menu + (1440 - menu - 2 * PICTURE) / 2))
full_left=$(((2560 - 2 * PICTURE) / 2))
fills_screen() {
    expect_geometry 2560x1440 0,0
    until_true 50 fail "the fullscreen picture is not at 2x in the middle" \
        has_new_output "^view: window 2560x1440 picture $full_left,$full_top $((2 * PICTURE))x$((2 * PICTURE)) "
}
back_to_1x() {
    expect_geometry ${PICTURE}x$((menu + PICTURE)) 100,10
    until_true 50 fail "the picture did not go back to 1x below the bar" \
        has_new_output "^view: window ${PICTURE}x$((menu + PICTURE)) picture 0,$menu ${PICTURE}x$PICTURE "
}
mark
xdotool key F11
fills_screen
until_true 50 fail "F11 did not remember fullscreen" has_setting fullscreen=1
sleep 0.3
click $((full_left / 2)) $((full_top + PICTURE)) 1 0.6
click $((full_left + 2 * 425 + 1)) $((full_top + 2 * 575 + 1)) 1 0
wait_for "^left 425 575$"
count_is '^left ' 1 || fail "a press on the fullscreen bar was handed on: $(grep '^left ' "$work/out")"
# F11 again gives back the window as it was; Alt+Enter does the same as F11.
mark
xdotool key F11
back_to_1x
until_true 50 fail "leaving fullscreen was not remembered" has_setting fullscreen=0
mark
xdotool key alt+Return
fills_screen
mark
xdotool key alt+Return
back_to_1x
# View > Zoom to fit in fullscreen: the picture fills the height below the
# bar (drawn at 2x, then scaled smoothly the rest of the way), the whole of
# it shows, and a press lands on the editor cell under it.
xdotool key F11
expect_geometry 2560x1440 0,0
mark
xdotool key alt+v; sleep 0.4; xdotool key t
until_true 50 fail "Zoom to fit was not remembered" has_setting zoom=fit
fit_size=$((1440 - menu))
fit_left=$(((2560 - fit_size) / 2))
until_true 50 fail "the fitted picture does not fill the height" \
    has_new_output "^view: window 2560x1440 picture $fit_left,$menu ${fit_size}x$fit_size "
until_true 30 fail "the screen does not show the whole fitted picture" shows_picture $fit_left $menu $fit_size
sleep 0.3
# The middle of editor cell (8, 11), whose picture pixels are 400-449, 550-599.
click $((fit_left + 425 * fit_size / PICTURE)) $((menu + 575 * fit_size / PICTURE)) 1 0
wait_for "^left 4[0-4][0-9] 5[5-9][0-9]$"
# A zoom chosen in fullscreen leaves it for a window of that zoom.
xdotool key alt+v; sleep 0.4; xdotool key 2
expect_geometry $((2 * PICTURE))x$((menu2 + 2 * PICTURE)) 100,10
until_true 50 fail "zoom 2 from fullscreen was not remembered" has_setting zoom=2
has_setting fullscreen=0 || fail "a zoom chosen in fullscreen left fullscreen remembered: $(cat "$settings")"
stop

# A damaged settings file: the defaults, and the program runs (still under
# the window manager, which keeps the window where it asks to be).
printf 'zoom=banana\nfullscreen=7\n\377\000\001garbage\n' >"$settings"
start_on 2560x1440
expect_geometry $((2 * PICTURE))x$((menu2 + 2 * PICTURE)) 100,10
grep -q "zoom=banana is no zoom" "$work/err" || fail "the bad zoom was not said on standard error"
stop
echo "window smoke test passed"
