# Shared by the shell tests; sourced, not run:
#   . "$(dirname "$0")/../support/test_lib.sh"
# Gives a scratch directory $work (removed at exit, after the script's own
# test_cleanup), a failure count with fail(), a retry loop, the verdict, and
# the simulator's spelling of a solver's moves as held arrow keys.
set -u
work=$(mktemp -d)
failures=0

# test_cleanup: a script redefines it to stop what it started.
test_cleanup() { :; }
trap 'test_cleanup; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# test_verdict MESSAGE: exit 1 with the count if anything failed, else MESSAGE.
test_verdict() {
    [ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
    echo "$1"
}

# until_true TENTHS COMMAND...: retries COMMAND every 0.1 s; false after TENTHS tries.
until_true() {
    tenths=$1; shift
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ $tries -gt "$tenths" ] && return 1
        sleep 0.1
    done
}

# A step between cells takes this many frames while an arrow is held.
FRAMES_PER_CELL=10
# Menu command of "Level 1"; level n is this plus n - 1.
MENU_LEVEL_1=21

# sim_moves MOVES: simulator lines holding one arrow per run of one letter of
# the solver's L, U, R, D, a step per letter.
sim_moves() {
    [ -n "$1" ] || return 0
    echo "$1" | fold -w 1 | uniq -c | while read -r n letter; do
        case $letter in L) key=LEFT ;; U) key=UP ;; R) key=RIGHT ;; D) key=DOWN ;; esac
        echo "hold $key"
        echo "run $((n * FRAMES_PER_CELL))"
    done
}
