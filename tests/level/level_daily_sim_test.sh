#!/bin/sh
# The level of the day: the game (the simulator's --daily) plays the very
# board that 'quagmore-level generate --daily' writes for the date, its
# solution wins it, a solve keeps the day's best in the records, and nothing
# is saved as progress. A date that is none is refused.
# Usage: level_daily_sim_test.sh QUAGMORE_LEVEL QUAGMORE_SIM DATA_DIR DATE
tool=$1
sim=$2
data=$3
date=$4
. "$(dirname "$0")/../support/test_lib.sh"

"$tool" generate --daily "$date" "$work/gen" >"$work/gen.out" 2>&1 || fail "generate --daily $date: $(cat "$work/gen.out")"
path=$(sed -n 's/^level1 .* path=//p' "$work/gen/solutions.txt")
moves=${#path}
pushes=$(sed -n 's/^level1 pushes=\([0-9]*\) .*/\1/p' "$work/gen/solutions.txt")

{
    echo "print campaign"
    echo "print status"
    echo "print board"
    sim_moves "$path"
    echo "hold"
    echo "run 1"
    echo "print state"
    echo "hold r"
    echo "run 1"
    echo "hold"
    echo "run 1"
    echo "print status"
} >"$work/play.sim"
home=$work/home
"$sim" --data "$data" --home "$home" --daily "$date" "$work/play.sim" >"$work/play.out" 2>"$work/play.err" ||
    fail "quagmore-sim --daily $date: $(cat "$work/play.err")"

grep -qx "campaign=Daily $date levels=1" "$work/play.out" || fail "no daily campaign: $(grep campaign= "$work/play.out")"
# The game shows the start cell as land, under the player.
tr '@' '.' <"$work/gen/level1.txt" >"$work/expected"
grep -E '^[~.oE]{12}$' "$work/play.out" | head -n 12 >"$work/board"
cmp -s "$work/expected" "$work/board" || fail "the game's board is not the tool's: $(paste "$work/expected" "$work/board")"
status=$(sed -n 's/^status=//p' "$work/play.out")
expected_status="Daily $date   Moves 0   Pushes 0
Daily $date   Moves 0   Pushes 0   Best $moves / $pushes"
[ "$status" = "$expected_status" ] || fail "status lines: $status"
grep -qx "complete=1" "$work/play.out" || fail "the stored path $path did not win the level in the game"
# Records are kept, but no progress, in the daily place or elsewhere.
grep -q "^level=1 .* moves=$moves pushes=$pushes path=$path" "$home/config/quagmore/daily/records" ||
    fail "no record of the solve: $(cat "$home/config/quagmore/daily/records" 2>&1)"
progress=$(find "$home" -name 'progress*')
[ -z "$progress" ] || fail "progress was written: $progress"

"$sim" --data "$data" --home "$home" --daily 2026-02-30 /dev/null >"$work/bad.out" 2>"$work/bad.err"
[ $? -eq 2 ] || fail "a day that is none was not refused with status 2"
grep -q "2026-02-30" "$work/bad.err" || fail "the bad date was not named: $(cat "$work/bad.err")"

test_verdict "the level of the day $date: the tool's board, won by its path, a record and no progress"
