#!/bin/sh
# The command lines of the three programs: --help and --version answer on
# standard output with status 0, and a wrong command line is refused with a
# usage line on standard error and status 2. The game answers all of these
# before it takes its single-instance lock or opens a window. The version
# printed is the project's, and so is the metainfo's release.
# Usage: command_line_test.sh VERSION QUAGMORE QUAGMORE_LEVEL QUAGMORE_SIM METAINFO
version=$1
game=$2
level=$3
sim=$4
metainfo=$5
. "$(dirname "$0")/../support/test_lib.sh"
home=$work/home

# run COMMAND...: runs it with the player's directories inside $home and a
# display that cannot open, so a game that starts by mistake ends at once.
# Leaves the status in $status, the outputs in $work/out and $work/err.
run() {
    rm -rf "$home"
    mkdir "$home"
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" SDL_VIDEODRIVER=none SDL_AUDIODRIVER=none \
        timeout 20 "$@" >"$work/out" 2>"$work/err"
    status=$?
}

home_untouched() {
    [ -z "$(ls -A "$home")" ] || fail "$*: the game made $(cd "$home" && find . -mindepth 1 | head -n 3)"
}

# answers NAME COMMAND...: --help, -h and --version answer on standard output.
answers() {
    name=$1
    shift
    for option in --help -h; do
        run "$@" "$option"
        [ "$status" -eq 0 ] || fail "$name $option exited $status"
        grep -qi "^usage: $name " "$work/out" || fail "$name $option printed no usage line: $(cat "$work/out")"
        grep -q -- "--version" "$work/out" || fail "$name $option does not mention --version"
        [ ! -s "$work/err" ] || fail "$name $option wrote to standard error: $(cat "$work/err")"
    done
    run "$@" --version
    [ "$status" -eq 0 ] || fail "$name --version exited $status"
    [ "$(cat "$work/out")" = "$name $version" ] || fail "$name --version printed '$(cat "$work/out")', not '$name $version'"
}

# refuses NAME PATTERN COMMAND...: status 2, nothing on standard output, and on
# standard error PATTERN and a usage line.
refuses() {
    name=$1
    pattern=$2
    shift 2
    run "$@"
    [ "$status" -eq 2 ] || fail "$* exited $status, not 2"
    [ ! -s "$work/out" ] || fail "$* wrote to standard output: $(cat "$work/out")"
    grep -q -- "$pattern" "$work/err" || fail "$* did not say '$pattern': $(cat "$work/err")"
    grep -qi "^usage: $name " "$work/err" || fail "$* printed no usage line: $(cat "$work/err")"
}

answers quagmore "$game"
home_untouched "quagmore --version"
refuses quagmore "unknown option '--bogus'" "$game" --bogus
home_untouched "quagmore --bogus"
refuses quagmore "unknown option '-x'" "$game" -x --help
refuses quagmore "more than one level file: 'a.txt' and 'b.txt'" "$game" a.txt b.txt
refuses quagmore "option '--pack' needs a directory" "$game" --pack
for extra in "--pack $work" "--campaign bonus" "--daily"; do
    # shellcheck disable=SC2086
    refuses quagmore "only one of a level file, --pack, --campaign and --daily can be given" "$game" $extra a.txt
done
refuses quagmore "option '--campaign' needs a name" "$game" --campaign
refuses quagmore "option '--daily' is given twice" "$game" --daily --daily 2026-12-07
home_untouched "quagmore a.txt b.txt"

# not_played PATTERN ARGUMENT...: the game refuses a level file or pack it
# can't play before it takes its lock: status 2, and on standard error one
# line naming it and PATTERN.
not_played() {
    pattern=$1
    shift
    run "$game" "$@"
    [ "$status" -eq 2 ] || fail "quagmore $* exited $status, not 2"
    [ ! -s "$work/out" ] || fail "quagmore $* wrote to standard output: $(cat "$work/out")"
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q -- "^quagmore: .*$pattern" "$work/err" ||
        fail "quagmore $* did not say '$pattern' in one line: $(cat "$work/err")"
    home_untouched "quagmore $*"
}
levels=$work/levels
mkdir -p "$levels/directory" "$levels/empty" "$levels/gap" "$levels/twice" "$levels/badpack"
mkfifo "$levels/fifo"
row() { printf '%s\n' "$@"; }
water='~~~~~~~~~~~~'
good_level() { row "$water" '~@.E~~~~~~~~'; for i in 3 4 5 6 7 8 9 10 11 12; do row "$water"; done; }
good_level >"$levels/good.txt"
good_level | sed 's/E/~/' >"$levels/no-exit.txt"
good_level | sed 's/@/x/' >"$levels/letters.txt"
good_level | sed '3d' >"$levels/eleven-lines.txt"
head -c 299 /dev/zero >"$levels/short.dat"
head -c 100000 /dev/zero >"$levels/huge"
not_played "missing: it can't be read: No such file or directory" "$levels/missing"
not_played "directory: it is a directory" "$levels/directory"
not_played "fifo: it is not a regular file" "$levels/fifo"
not_played "huge: it is too large for a level" "$levels/huge"
not_played "short.dat: it is 299 bytes long; a level file is 300" "$levels/short.dat"
not_played "letters.txt: it is no level text: line 2, character 2: 'x' is no tile" "$levels/letters.txt"
not_played "eleven-lines.txt: it is no level text: the text has 11 lines" "$levels/eleven-lines.txt"
not_played "no-exit.txt: it can't be played: no exit" "$levels/no-exit.txt"
not_played "pack .*/missing: it can't be read" --pack "$levels/missing"
not_played "pack .*/good.txt: it is not a directory" --pack "$levels/good.txt"
not_played "pack .*/empty: it holds no level1" --pack "$levels/empty"
cp "$levels/good.txt" "$levels/gap/level1"
cp "$levels/good.txt" "$levels/gap/level3.txt"
not_played "level3.txt is there, but level2 is missing" --pack "$levels/gap"
cp "$levels/good.txt" "$levels/twice/level1"
cp "$levels/good.txt" "$levels/twice/level1.txt"
not_played "level1 has 2 files (level1, level1.txt); keep one" --pack "$levels/twice"
cp "$levels/good.txt" "$levels/badpack/level1"
cp "$levels/no-exit.txt" "$levels/badpack/level2"
not_played "pack .*/badpack: level2: it can't be played: no exit" --pack "$levels/badpack"
not_played "there is no campaign called 'nope'; the campaigns are: Quagmore, Bonus$" --campaign nope
not_played "--daily 2026-13-01: '2026-13-01' is no date: no such month" --daily 2026-13-01
not_played "--daily 12/07/2026: '12/07/2026' is no date of the form YYYY-MM-DD" --daily=12/07/2026
# A good level and pack get past the checks to the lock and the window.
mkdir "$levels/goodpack"
cp "$levels/good.txt" "$levels/goodpack/level1"
for args in "$levels/good.txt" "--pack=$levels/goodpack" "--campaign QUAGMORE" "--daily" "--daily 2026-12-07"; do
    # shellcheck disable=SC2086
    set -- $args
    arg=$args
    run "$game" "$@"
    [ "$status" -eq 1 ] && [ -n "$(ls -A "$home")" ] || fail "quagmore $arg did not reach the window: $(cat "$work/err")"
done
# Help that cannot be written is no success.
run sh -c '"$0" --help >/dev/full' "$game"
[ "$status" -eq 1 ] || fail "quagmore --help into a full disk exited $status, not 1"
# The checks above can fail: without options the game takes its lock at once.
run "$game"
[ -n "$(ls -A "$home")" ] || fail "the game started without taking its lock, so the checks above prove nothing"

answers quagmore-level "$level"
refuses quagmore-level "unknown option '--bogus'" "$level" --bogus
answers quagmore-sim "$sim"
refuses quagmore-sim "unknown option --bogus" "$sim" --bogus

grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

test_verdict "all command-line checks passed"
