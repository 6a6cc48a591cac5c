#!/bin/sh
# Makes the bonus campaign: data/bonus/level1.txt ... level60.txt and
# data/bonus/solutions.txt, exactly as checked in. Five tiers of twelve are
# generated with the arguments below (the last from two runs: eleven levels
# of rooms, and the hardest, one yard whose proof takes over 100,000
# positions, yet few enough for a hint from its start within the game's
# budget), then all sixty are ordered by their
# difficulty score (fewest pushes, then pile changes, then positions searched
# to prove the pushes) and numbered in that order. Takes long: run it by hand,
# not in CI (the tiers run side by side).
# Usage: sh scripts/make-bonus.sh [BUILD_DIR]   (default: build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$top/build}/bin/quagmore-level
out=$top/data/bonus
[ -x "$tool" ] || { echo "make-bonus.sh: no $tool: build it first (make)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# tier NAME ARGUMENTS...: one run of the generator into $work/NAME.
tier() {
    name=$1
    shift
    start=$(date +%s)
    nice "$tool" generate "$@" "$work/$name" >"$work/$name.log"
    echo "$name: $(($(date +%s) - start)) s: $*"
}
tier 1 --seed 101 --count 12 --pushes 5-7 --piles 1-3 &
tier 2 --seed 102 --count 12 --pushes 8-12 --piles 1-5 &
tier 3 --seed 103 --count 12 --pushes 13-18 --piles 2-6 --min-states 200 &
tier 4 --seed 104 --count 12 --pushes 19-24 --piles 2-8 --min-states 1000 &
tier 5 --seed 105 --count 11 --pushes 25-30 --piles 3-8 &
tier 6 --seed 106 --count 1 --pushes 31-40 --piles 4-6 --min-states 100000 --max-proof 125000 --shape yard &
wait
for name in 1 2 3 4 5 6; do
    [ -s "$work/$name/solutions.txt" ] || { echo "make-bonus.sh: tier $name made no levels" >&2; exit 1; }
done

# Every level with its score, easiest first: "PUSHES CHANGES STATES TIER LINE".
for name in 1 2 3 4 5 6; do
    awk -v tier="$name" '{ for (i = 2; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
                           printf "%06d %06d %012d %s %s\n", v["pushes"], v["changes"], v["states"], tier, $0 }' \
        "$work/$name/solutions.txt"
done | sort >"$work/order"
[ "$(wc -l <"$work/order")" -eq 60 ] || { echo "make-bonus.sh: not 60 levels" >&2; exit 1; }

rm -f "$out"/level*.txt "$out/solutions.txt"
number=0
while read -r _ _ _ name old rest; do
    number=$((number + 1))
    cp "$work/$name/$old.txt" "$out/level$number.txt"
    echo "level$number $rest" >>"$out/solutions.txt"
done <"$work/order"
echo "wrote $out: $number levels"
