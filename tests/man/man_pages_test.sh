#!/bin/sh
# The manual pages: each renders without a single warning (with groff, and
# with man as lintian runs it), has a NAME line whatis can index, carries the
# project's version, and documents every option its program's --help names.
# Usage: man_pages_test.sh VERSION MAN_DIR PROGRAM...
version=$1
dir=$2
shift 2
. "$(dirname "$0")/../support/test_lib.sh"

# clean WHAT COMMAND...: COMMAND succeeds and prints nothing on standard error.
clean() {
    what=$1
    shift
    "$@" >/dev/null 2>"$work/err" || fail "$what: $* exited $?"
    [ ! -s "$work/err" ] || fail "$what: $*: $(cat "$work/err")"
}

for program in "$@"; do
    name=$(basename "$program")
    page=$dir/$name.6
    if [ ! -f "$page" ]; then
        fail "no manual page $page"
        continue
    fi
    clean "$name.6" groff -ww -z -b -man -Tutf8 "$page"
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 clean "$name.6" man --warnings -E UTF-8 -l -Tutf8 -Z "$page"
    lexgrog "$page" >"$work/whatis" 2>&1 || fail "$name.6: no whatis entry: $(cat "$work/whatis")"
    grep -q "^\.TH .*\"Quagmore $version\"" "$page" || fail "$name.6 does not carry version $version"
    "$program" --help >"$work/help" 2>&1
    for option in $(grep -o -- '--[a-z][a-z-]*' "$work/help" | sort -u); do
        grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" "$page" || fail "$name.6 does not document $option"
    done
done

test_verdict "all manual pages render cleanly"
