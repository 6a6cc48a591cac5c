#!/bin/sh
# Plays each level's solution in the game as held arrow keys and checks that it
# completes that level: the solver and the game agree on the rules.
# Usage: level_solutions_sim_test.sh QUAGMORE_LEVEL QUAGMORE_SIM LEVEL_DIR DATA_DIR COUNT [SOLUTIONS]
# Without SOLUTIONS the levels are the game's own, solved here by quagmore-level.
# With SOLUTIONS (a solutions.txt) LEVEL_DIR is a pack played with --pack: each
# stored path is played, the game must count the stored pushes, and the lines
# must name level1 ... levelCOUNT in order of pushes, then pile changes, then
# positions searched (the pack's order of difficulty).
tool=$1
sim=$2
levels=$3
data=$4
count=$5
solutions=${6:-}
. "$(dirname "$0")/../support/test_lib.sh"

# The menu command of level n: 21-32 for 1-12, 113-199 for 13-99 of a pack.
level_command() {
    if [ "$1" -le 12 ]; then echo $((MENU_LEVEL_1 + $1 - 1)); else echo $((100 + $1)); fi
}

# write_script LEVEL MOVES: starts the level from the menu, holds one arrow per
# letter for one step each, then releases the keys for the completing frame.
write_script() {
    echo "menu $(level_command "$1")"
    echo "run 1"
    echo "print state"
    sim_moves "$2"
    # The level completes on the first aligned frame on the exit.
    echo "hold"
    echo "run 1"
    echo "print state"
}

# field LINE NAME: the value of NAME= in a line of solutions.txt.
field() {
    echo "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"
}

pack=""
if [ -n "$solutions" ]; then
    pack="--pack $levels"
    [ "$(wc -l <"$solutions")" -eq "$count" ] || fail "$solutions holds $(wc -l <"$solutions") lines, not $count"
    # In order: pushes, then changes, then states, never falling.
    awk '{ for (i = 2; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
           if ($1 != "level" NR) print "line " NR " names " $1
           key = sprintf("%06d %06d %012d", v["pushes"], v["changes"], v["states"])
           if (NR > 1 && key < last) print $1 " comes before an easier level"
           last = key }' "$solutions" >"$work/order"
    [ -s "$work/order" ] && fail "the order of $solutions: $(cat "$work/order")"
fi

for level in $(seq 1 "$count"); do
    if [ -n "$solutions" ]; then
        line=$(grep "^level$level " "$solutions")
        solution=$(field "$line" path)
        pushes=$(field "$line" pushes)
    else
        solution=$("$tool" solve "$levels/level$level.txt" | sed -n 's/^  solution: //p')
        pushes=""
    fi
    if [ -z "$solution" ]; then
        fail "level $level: no solution"
        continue
    fi
    # The whole solution must complete the level; the solution without its last
    # step must not, which shows that the check can tell the two apart.
    for run in whole short; do
        [ $run = whole ] && moves=$solution || moves=${solution%?}
        write_script "$level" "$moves" >"$work/$run$level.sim"
        # shellcheck disable=SC2086
        "$sim" --data "$data" --home "$work/home-$run$level" $pack "$work/$run$level.sim" >"$work/$run$level" 2>&1
    done
    # Before the moves: this level, not complete; after them: complete, and the
    # solved level is the one that R would replay.
    value() { grep "^$1=" "$work/$2$level" | cut -d= -f2 | sed -n "$3p"; }
    seen="start: level=$(value level whole 1) complete=$(value complete whole 1);"
    seen="$seen end: complete=$(value complete whole '$') reset=$(value reset whole '$')"
    if [ "$seen" != "start: level=$level complete=0; end: complete=1 reset=$level" ]; then
        fail "level $level: solution $solution did not complete it in the game: $seen"
        tail -n 20 "$work/whole$level" | sed 's/^/  | /'
    elif [ "$(value complete short '$')" != 0 ]; then
        fail "level $level: complete one step before the end of $solution"
    elif [ -n "$pushes" ] && [ "$(value pushes whole '$')" != "$pushes" ]; then
        fail "level $level: the game counted $(value pushes whole '$') pushes, solutions.txt $pushes"
    else
        echo "level $level: ${#solution} moves, completed in the game"
    fi
done

test_verdict "every solution completes its level"
