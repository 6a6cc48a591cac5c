#!/bin/sh
# The dead-end warning in the game against the level tool's own search for dead
# ends: on every shipped level with one, its shortest play into a dead end is
# played as held arrow keys. Without its last push the game warns of nothing;
# with it the warning comes in the frame after the push ends. (How undo and
# restart clear the warning is the simulator's hint scenarios' to check.)
# Usage: level_dead_ends_sim_test.sh QUAGMORE_LEVEL QUAGMORE_SIM LEVEL_SOURCE_DIR DATA_DIR LEVEL_COUNT
tool=$1
sim=$2
levels=$3
data=$4
count=$5
. "$(dirname "$0")/../support/test_lib.sh"
checked=0
STUCK="No way out: Z to undo, R to restart"

# write_script LEVEL MOVES: the play without its last push, then the push,
# with the status line after each.
write_script() {
    last=$(echo "$2" | tail -c 2)
    echo "watch solver"
    echo "menu $((MENU_LEVEL_1 + $1 - 1))"
    echo "run 1"
    sim_moves "${2%?}"
    echo "hold"
    echo "run 2"
    echo "print status"
    sim_moves "$last"
    echo "hold"
    echo "run 1"
    echo "print status"
}

for level in $(seq 1 "$count"); do
    moves=$("$tool" solve --dead-ends "$levels/level$level.txt" | sed -n 's/^  shortest play into a dead end: //p')
    [ -n "$moves" ] || continue
    checked=$((checked + 1))
    write_script "$level" "$moves" >"$work/$level.sim"
    "$sim" --data "$data" --home "$work/home$level" "$work/$level.sim" >"$work/$level.out" 2>&1
    # The frame the last push ends in, and the one after it.
    pushed=$((1 + ${#moves} * FRAMES_PER_CELL + 2))
    expect_stuck="$((pushed + 1)) stuck"
    seen=$(grep -E '^[0-9]+ stuck$' "$work/$level.out" | tr '\n' ';')
    statuses=$(sed -n 's/^status=//p' "$work/$level.out" | sed "s/^Level .*/counters/" | tr '\n' ';')
    want_statuses="counters;$STUCK;"
    if [ "$seen" != "$expect_stuck;" ] || [ "$statuses" != "$want_statuses" ]; then
        echo "FAIL: level $level: dead end $moves: warnings \"$seen\", status lines \"$statuses\""
        echo "  expected warnings \"$expect_stuck;\", status lines \"$want_statuses\""
        tail -n 20 "$work/$level.out" | sed 's/^/  | /'
        failures=$((failures + 1))
    else
        echo "level $level: dead end after $moves: warned in frame $((pushed + 1))"
    fi
done

[ "$checked" -gt 0 ] || { echo "FAIL: no shipped level has a dead end to check"; exit 1; }
test_verdict "every dead end warned of"
