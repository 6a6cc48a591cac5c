#!/bin/sh
# Plays every shipped level's solution in the game as held arrow keys and checks
# that it completes that level: the solver and the game agree on the rules.
# Usage: level_solutions_sim_test.sh QUAGMORE_LEVEL QUAGMORE_SIM LEVEL_SOURCE_DIR DATA_DIR LEVEL_COUNT
tool=$1
sim=$2
levels=$3
data=$4
count=$5
. "$(dirname "$0")/../support/test_lib.sh"

# write_script LEVEL MOVES: starts the level from the menu, holds one arrow per
# letter for one step each, then releases the keys for the completing frame.
write_script() {
    echo "menu $((MENU_LEVEL_1 + $1 - 1))"
    echo "run 1"
    echo "print state"
    sim_moves "$2"
    # The level completes on the first aligned frame on the exit.
    echo "hold"
    echo "run 1"
    echo "print state"
}

for level in $(seq 1 "$count"); do
    solution=$("$tool" solve "$levels/level$level.txt" | sed -n 's/^  solution: //p')
    if [ -z "$solution" ]; then
        echo "FAIL: level $level: no solution from quagmore-level"
        failures=$((failures + 1))
        continue
    fi
    # The whole solution must complete the level; the solution without its last
    # step must not, which shows that the check can tell the two apart.
    for run in whole short; do
        [ $run = whole ] && moves=$solution || moves=${solution%?}
        write_script "$level" "$moves" >"$work/$run$level.sim"
        "$sim" --data "$data" --home "$work/home-$run$level" "$work/$run$level.sim" >"$work/$run$level" 2>&1
    done
    # Before the moves: this level, not complete; after them: complete, and the
    # solved level is the one that R would replay.
    value() { grep "^$1=" "$work/$2$level" | cut -d= -f2 | sed -n "$3p"; }
    seen="start: level=$(value level whole 1) complete=$(value complete whole 1);"
    seen="$seen end: complete=$(value complete whole '$') reset=$(value reset whole '$')"
    if [ "$seen" != "start: level=$level complete=0; end: complete=1 reset=$level" ]; then
        echo "FAIL: level $level: solution $solution did not complete it in the game: $seen"
        tail -n 20 "$work/whole$level" | sed 's/^/  | /'
        failures=$((failures + 1))
    elif [ "$(value complete short '$')" != 0 ]; then
        echo "FAIL: level $level: complete one step before the end of $solution"
        failures=$((failures + 1))
    else
        echo "level $level: ${#solution} moves, completed in the game"
    fi
done

test_verdict "every solution completes its level"
