#!/bin/sh
# Installs the build into a scratch prefix and checks the result: the desktop
# entry and metainfo validate, the hicolor icons are there, and the installed
# simulator, run from another directory with the data read-only, finds its data.
# Usage: install_check.sh BUILD_DIR
build=${1:?usage: install_check.sh BUILD_DIR}
. "$(dirname "$0")/../support/test_lib.sh"
prefix=$work/prefix

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

desktop=$prefix/share/applications/quagmore.desktop
[ -f "$desktop" ] && desktop-file-validate "$desktop" || fail "no valid desktop entry at $desktop"
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
[ -n "$metainfo" ] && appstreamcli validate --no-net "$metainfo" || fail "no valid metainfo in $prefix/share/metainfo"

for file in icons/hicolor/32x32/apps/quagmore.png icons/hicolor/64x64/apps/quagmore.png \
            icons/hicolor/128x128/apps/quagmore.png quagmore/pieces.bmp quagmore/splash.wav \
            quagmore/start.wav quagmore/bifald.wav quagmore/finished.wav quagmore/bonus/level1.txt \
            quagmore/bonus/level60.txt quagmore/bonus/solutions.txt; do
    [ -s "$prefix/share/$file" ] || fail "missing $prefix/share/$file"
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
    [ $status -eq 0 ] || fail "quagmore-sim exited with $status"
    ! grep -q -e 'INVALID_HANDLE_VALUE' -e 'Ingen pieces' "$out" || fail "the installed game did not find its data"
    grep -q ' exit ' "$out" || fail "quagmore-sim did not report its exit"
    [ "$failures" -eq 0 ] || { echo "--- quagmore-sim output"; cat "$out"; }
fi

test_verdict "installation checks passed"
