#!/bin/sh
# quagmore-level's command line: usage, conversions, and each kind of broken file.
# Usage: level_cli_test.sh QUAGMORE_LEVEL LEVEL_SOURCE_DIR
tool=$1
levels=$2
l1=$levels/level1.txt
. "$(dirname "$0")/../support/test_lib.sh"

# expect CODE PATTERN COMMAND...: the exit code, and a line of stdout+stderr matching PATTERN.
expect() {
    code=$1
    pattern=$2
    shift 2
    "$@" >"$work/out" 2>&1
    got=$?
    [ "$got" -eq "$code" ] || fail "$* exited $got, not $code: $(cat "$work/out")"
    [ -z "$pattern" ] || grep -q -- "$pattern" "$work/out" || fail "$* printed no '$pattern': $(cat "$work/out")"
}

# Usage.
expect 0 "pack TEXT DAT" "$tool" --help
expect 2 "no command" "$tool"
expect 2 "unknown command" "$tool" frobnicate
expect 2 "pack takes" "$tool" pack only-one
expect 2 "unknown option" "$tool" solve --fast "$l1"

# Round trip text -> level file -> text, and show of either form.
expect 0 "" "$tool" pack "$l1" "$work/a.dat"
[ "$(wc -c <"$work/a.dat")" -eq 300 ] || fail "a packed level is not 300 bytes"
expect 0 "" "$tool" unpack "$work/a.dat" "$work/a.txt"
expect 0 "" "$tool" show "$work/a.dat"
for made in "$work/a.txt" "$work/out"; do
    cmp -s "$l1" "$made" || fail "$made (unpacked or shown) differs from level1.txt"
done
expect 0 "ok" "$tool" check "$work/a.dat" "$l1"

# broken NAME PATTERN COMMAND...: NAME made by COMMAND fails the check with PATTERN.
broken() {
    name=$1; pattern=$2; shift 2
    "$@" >"$work/$name"
    expect 1 "$pattern" "$tool" check "$work/$name"
}
# Broken texts (each kind of problem is the text reader's tests' to name):
# pack writes nothing from one, and solve refuses a board without a start.
broken short.txt "11 lines, not 12" head -n 11 "$l1"
expect 1 "11 lines" "$tool" pack "$work/short.txt" "$work/never.dat"
[ ! -e "$work/never.dat" ] || fail "pack wrote a file from a broken text"
broken nostart.txt "no start" tr '@' '.' <"$l1"
expect 1 "no start" "$tool" solve "$work/nostart.txt"
broken noexit.txt "no exit" tr 'E' '.' <"$l1"

# Broken level files: short (unpack writes nothing), an unknown byte; a bare
# board of 144 bytes is whole.
broken short.dat "shorter than the 144 bytes" head -c 143 "$work/a.dat"
expect 1 "shorter" "$tool" unpack "$work/short.dat" "$work/never.txt"
[ ! -e "$work/never.txt" ] || fail "unpack wrote a text from a short file"
head -c 144 "$work/a.dat" >"$work/exact.dat"
expect 0 "ok" "$tool" check "$work/exact.dat"
{ head -c 10 "$work/a.dat"; printf '\310'; tail -c +12 "$work/a.dat"; } >"$work/byte.dat"
expect 1 "byte 10 (column 0, row 10) is 200, no tile code" "$tool" check "$work/byte.dat"
expect 1 "no tile code" "$tool" show "$work/byte.dat"
expect 1 "can't open" "$tool" check "$work/missing.txt"
# One broken file among good ones still fails the whole check, and each is reported.
expect 1 "level1.txt: ok" "$tool" check "$l1" "$work/noexit.txt"

# Solving: a solution in moves and pushes; a hopeless board says so.
expect 0 "moves: [0-9]*, pushes: [1-9]" "$tool" solve "$l1"
grep -q "^  solution: [LURD]*$" "$work/out" || fail "solve printed no solution line"
tr 'o' '.' <"$l1" >"$work/nopile.txt"
expect 1 "unsolvable" "$tool" solve "$work/nopile.txt"
expect 0 "dead ends: [0-9]" "$tool" solve --dead-ends "$levels/level12.txt"

# Budgets. Fourteen piles on open land can't be searched through: the search
# stops at whichever limit comes first, says so and exits 3; a level with a
# problem still makes the status 1. Limits must be numbers above zero.
printf '%s\n' "@..........." ".o..o..o..o." "............" "..o..o..o..." "............" \
    ".o..o..o..o." "............" "..o..o..o..." "............" "~~~~~~~~~~~~" "~~~~~~~~~~~~" \
    "~~~~~~~~~~~E" >"$work/open.txt"
expect 3 "undecided, the search stopped at the limit of positions" "$tool" solve --max-states 20000 "$work/open.txt"
expect 3 "undecided, the search stopped at the time limit" "$tool" solve --max-seconds 0.3 "$work/open.txt"
expect 3 "dead ends: not counted, stopped at the limit of positions" \
    "$tool" solve --dead-ends --max-states 20000 "$l1" "$work/open.txt"
expect 1 "unsolvable" "$tool" solve --max-states 20000 "$work/open.txt" "$work/nopile.txt"
expect 2 "bad number '0' for --max-states" "$tool" solve --max-states 0 "$l1"
expect 2 "bad number 'soon' for --max-seconds" "$tool" solve --max-seconds soon "$l1"
expect 2 "--max-states takes a number" "$tool" solve "$l1" --max-states
expect 0 "3 a level undecided" "$tool" --help

# Packs: every level of a directory is read as the game reads it and solved,
# one line each, then one for the pack; the numbering must run without a gap.
mkdir "$work/good" "$work/bad" "$work/gap"
cp "$l1" "$work/good/level1.txt"
"$tool" pack "$levels/level2.txt" "$work/good/level2.dat" >/dev/null
cp "$levels/level3.txt" "$work/good/level3"
expect 0 "good/level2.dat: ok, solvable: pushes [1-9]" "$tool" check "$work/good"
grep -q "good: ok, 3 levels" "$work/out" || fail "a good pack's summary: $(cat "$work/out")"
cp "$l1" "$work/bad/level1"
tr 'o' '.' <"$levels/level2.txt" >"$work/bad/level2.txt"
tr 'E' '.' <"$levels/level3.txt" >"$work/bad/level3.txt"
expect 1 "bad/level2.txt: unsolvable" "$tool" check "$work/bad"
for line in "bad/level1: ok" "bad/level3.txt: it can't be played: no exit" "bad: 2 of 3 levels not ok"; do
    grep -q "$line" "$work/out" || fail "a bad pack's check printed no '$line': $(cat "$work/out")"
done
cp "$l1" "$work/gap/level1.txt"
cp "$l1" "$work/gap/level3.txt"
expect 1 "level2 is missing" "$tool" check "$work/gap"
expect 3 "good/level3: undecided" "$tool" check --max-states 5 "$work/good"

# Generating (the generator's tests check that runs repeat): the levels are
# a pack that checks; solutions.txt has a line of counts each; the level of a
# day is not the level of a seed.
expect 0 "^level3 pushes=" "$tool" generate --seed 3 --count 3 --pushes 3-8 --piles 1-4 "$work/gen-a"
grep -c -E '^level[1-3] pushes=[3-8] moves=[0-9]+ changes=[0-9]+ states=[0-9]+ traps=[01]\.[0-9][0-9] path=[LURD]+$' \
    "$work/gen-a/solutions.txt" | grep -qx 3 || fail "solutions.txt: $(cat "$work/gen-a/solutions.txt")"
expect 0 "gen-a: ok, 3 levels" "$tool" check "$work/gen-a"
expect 0 "^level1 pushes=" "$tool" generate --daily 2026-12-07 "$work/day-a"
cmp -s "$work/day-a/level1.txt" "$work/gen-a/level1.txt" && fail "the level of a day is the level of seed 3"
expect 2 "no such day" "$tool" generate --daily 2026-02-29 "$work/day-c"
expect 2 "--daily takes no other option" "$tool" generate --daily 2026-12-07 --count 2 "$work/day-c"
expect 2 "bad value '8-3' for --pushes" "$tool" generate --pushes 8-3 "$work/gen-c"
expect 2 "generate takes one DIR" "$tool" generate --seed 1
[ ! -e "$work/day-c" ] && [ ! -e "$work/gen-c" ] || fail "generate made a directory for bad usage"
expect 1 "is not a directory" "$tool" generate --count 1 --pushes 2-4 "$l1"

# Regular files only, and no more than a level could need: a directory (but
# as a pack to check), a FIFO, /dev/zero and an oversized file are refused
# by check, show and unpack with exit 1 and a reason, at once.
refused() {
    for command in ${3:-check show unpack}; do
        out=
        [ "$command" = unpack ] && out=$work/out.txt
        timeout 10 "$tool" "$command" "$2" ${out:+"$out"} >"$work/out" 2>&1
        got=$?
        [ "$got" -eq 1 ] && grep -q -- "$1" "$work/out" ||
            fail "$command $2 exited $got, not 1 with '$1': $(head -c 300 "$work/out")"
    done
}
mkdir "$work/dir.dat"
mkfifo "$work/fifo.dat"
head -c 2000000 /dev/zero >"$work/big.dat"
refused "not a regular file" "$work/dir.dat" "show unpack"
refused "holds no level1" "$work/dir.dat" check
refused "not a regular file" "$work/fifo.dat"
refused "not a regular file" /dev/zero
refused "larger than" "$work/big.dat"

test_verdict "all command-line checks passed"
