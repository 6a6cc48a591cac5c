#!/bin/sh
# quagmore-level reads regular files only, and no more than a level could
# need: a directory (but as a pack to check), a FIFO, /dev/zero and an
# oversized file are refused with exit 1 and a reason, at once.
# Usage: level_input_test.sh QUAGMORE_LEVEL
tool=$1
. "$(dirname "$0")/../support/test_lib.sh"

# refused PATTERN FILE [COMMANDS]: check, show and unpack of FILE (or the
# commands given) end with exit 1 within 10 s and print PATTERN.
refused() {
    for command in ${3:-check show unpack}; do
        out=
        if [ $command = unpack ]; then out=$work/out.txt; fi
        timeout 10 "$tool" $command "$2" ${out:+"$out"} >"$work/out" 2>&1
        got=$?
        [ "$got" -eq 1 ] || fail "$command $2 exited $got, not 1: $(head -c 300 "$work/out")"
        grep -q -- "$1" "$work/out" || fail "$command $2 printed no '$1': $(head -c 300 "$work/out")"
    done
}

mkdir "$work/dir.dat" "$work/dir.txt"
mkfifo "$work/fifo.dat"
head -c 2000000 /dev/zero >"$work/big.dat"
# A directory given to check is a pack, and an empty one holds no level.
refused "not a regular file" "$work/dir.dat" "show unpack"
refused "not a regular file" "$work/dir.txt" "show unpack"
refused "holds no level1" "$work/dir.dat" check
refused "not a regular file" "$work/fifo.dat"
refused "not a regular file" /dev/zero
refused "larger than" "$work/big.dat"

test_verdict "all refused"
