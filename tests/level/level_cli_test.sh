#!/bin/sh
# quagmore-level's command line: usage, conversions, and each kind of broken file.
# Usage: level_cli_test.sh QUAGMORE_LEVEL LEVEL_SOURCE_DIR
set -u
tool=$1
levels=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

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
expect 2 "show takes one FILE" "$tool" show
expect 2 "pack takes" "$tool" pack only-one
expect 2 "check takes" "$tool" check
expect 2 "unknown option" "$tool" solve --fast "$levels/level1.txt"

# Round trip text -> level file -> text, and show of either form.
expect 0 "" "$tool" pack "$levels/level1.txt" "$work/a.dat"
[ "$(wc -c <"$work/a.dat")" -eq 300 ] || fail "a packed level is not 300 bytes"
expect 0 "" "$tool" unpack "$work/a.dat" "$work/a.txt"
cmp -s "$levels/level1.txt" "$work/a.txt" || fail "unpack of pack changed level1.txt"
"$tool" show "$work/a.dat" >"$work/shown" 2>&1 || fail "show a.dat failed"
cmp -s "$levels/level1.txt" "$work/shown" || fail "show a.dat differs from level1.txt"
expect 0 "ok" "$tool" check "$work/a.dat" "$levels/level1.txt"

# Broken texts: wrong line count, wrong line length, unknown character.
head -n 11 "$levels/level1.txt" >"$work/short.txt"
expect 1 "11 lines, not 12" "$tool" check "$work/short.txt"
expect 1 "11 lines" "$tool" pack "$work/short.txt" "$work/never.dat"
[ ! -e "$work/never.dat" ] || fail "pack wrote a file from a broken text"
sed '3s/^./~~/' "$levels/level1.txt" >"$work/long.txt"
expect 1 "line 3 has 13 characters" "$tool" check "$work/long.txt"
sed '5s/^./#/' "$levels/level1.txt" >"$work/odd.txt"
expect 1 "line 5, character 1: '#'" "$tool" check "$work/odd.txt"

# Broken level files: short, an unknown byte, no start, two starts, no exit.
head -c 143 "$work/a.dat" >"$work/short.dat"
expect 1 "shorter than the 144 bytes" "$tool" check "$work/short.dat"
expect 1 "shorter" "$tool" unpack "$work/short.dat" "$work/never.txt"
[ ! -e "$work/never.txt" ] || fail "unpack wrote a text from a short file"
head -c 144 "$work/a.dat" >"$work/exact.dat"
expect 0 "ok" "$tool" check "$work/exact.dat"
{ head -c 10 "$work/a.dat"; printf '\310'; tail -c +12 "$work/a.dat"; } >"$work/byte.dat"
expect 1 "byte 10 (column 0, row 10) is 200, no tile code" "$tool" check "$work/byte.dat"
expect 1 "no tile code" "$tool" show "$work/byte.dat"
tr '@' '.' <"$levels/level1.txt" >"$work/nostart.txt"
expect 1 "no start" "$tool" check "$work/nostart.txt"
expect 1 "no start" "$tool" solve "$work/nostart.txt"
sed '12s/^~/@/' "$levels/level1.txt" >"$work/twostarts.txt"
expect 1 "2 starts" "$tool" check "$work/twostarts.txt"
tr 'E' '.' <"$levels/level1.txt" >"$work/noexit.txt"
expect 1 "no exit" "$tool" check "$work/noexit.txt"
expect 1 "can't open" "$tool" check "$work/missing.txt"
# One broken file among good ones still fails the whole check, and each is reported.
expect 1 "level1.txt: ok" "$tool" check "$levels/level1.txt" "$work/noexit.txt"

# Solving: a solution in moves and pushes; a hopeless board says so.
expect 0 "moves: [0-9]*, pushes: [1-9]" "$tool" solve "$levels/level1.txt"
grep -q "^  solution: [LURD]*$" "$work/out" || fail "solve printed no solution line"
grep -q "states searched: [0-9]*, time: " "$work/out" || fail "solve printed no search count"
tr 'o' '.' <"$levels/level1.txt" >"$work/nopile.txt"
expect 1 "unsolvable" "$tool" solve "$work/nopile.txt"
expect 0 "dead ends: [0-9]" "$tool" solve --dead-ends "$levels/level12.txt"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "all command-line checks passed"
