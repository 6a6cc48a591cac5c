#!/bin/sh
# The command lines of the three programs: --help and --version answer on
# standard output with status 0, and a wrong command line is refused with a
# usage line on standard error and status 2. The game answers all of these
# before it takes its single-instance lock or opens a window. The version
# printed is the project's, and so is the metainfo's release.
# Usage: command_line_test.sh VERSION QUAGMORE QUAGMORE_LEVEL QUAGMORE_SIM METAINFO
set -u
version=$1
game=$2
level=$3
sim=$4
metainfo=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

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
refuses quagmore "unexpected argument 'level3.dat'" "$game" level3.dat
refuses quagmore "unexpected argument '--help'" "$game" -- --help
home_untouched "quagmore -- --help"
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

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "all command-line checks passed"
