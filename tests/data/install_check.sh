#!/bin/sh
# Installs the build into a scratch prefix and checks the result: the desktop
# entry and metainfo validate, the hicolor icons are there, and the installed
# simulator, run from another directory with the data read-only, finds its data.
# Usage: install_check.sh BUILD_DIR
set -u

build=${1:?usage: install_check.sh BUILD_DIR}
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

desktop=$prefix/share/applications/quagmore.desktop
if [ ! -f "$desktop" ]; then
    fail "no desktop entry at $desktop"
elif ! desktop-file-validate "$desktop"; then
    fail "desktop-file-validate $desktop"
fi

metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
if [ -z "$metainfo" ]; then
    fail "no metainfo under $prefix/share/metainfo"
elif ! appstreamcli validate --no-net "$metainfo"; then
    fail "appstreamcli validate $metainfo"
fi

for size in 32 64 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/quagmore.png
    [ -s "$icon" ] || fail "missing icon $icon"
done

for file in pieces.bmp splash.wav start.wav bifald.wav finished.wav; do
    [ -s "$prefix/share/quagmore/$file" ] || fail "missing data file $file"
done
[ ! -e "$prefix/bin/quagmore-assets" ] || fail "the asset generator was installed"

sim=$prefix/bin/quagmore-sim
if [ ! -x "$sim" ]; then
    fail "no simulator at $sim"
else
    chmod -R a-w "$prefix/share/quagmore"
    mkdir -p "$work/home" "$work/elsewhere"
    out=$work/sim.out
    (cd "$work/elsewhere" && printf 'run 2\nprint board\n' | "$sim" --home "$work/home") >"$out" 2>&1
    status=$?
    [ "$status" -eq 0 ] || fail "quagmore-sim exited with $status"
    if grep -q -e 'INVALID_HANDLE_VALUE' -e 'Ingen pieces' "$out"; then
        fail "the installed game did not find its data"
    fi
    grep -q ' exit ' "$out" || fail "quagmore-sim did not report its exit"
    if [ "$failures" -ne 0 ]; then
        echo "--- quagmore-sim output"
        cat "$out"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installation checks passed"
