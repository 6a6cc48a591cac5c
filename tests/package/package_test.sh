#!/bin/sh
# The Debian package, end to end: it is named and laid out as Debian wants,
# lintian finds no error or warning in it, apt-get installs it, the installed
# programs work on the installed data from another directory, and apt-get
# purge leaves nothing behind under /usr. Installing changes the system, so that part needs
# root or sudo; without either it says so and is skipped.
# Usage: package_test.sh PACKAGE_BUILD_DIR
export LC_ALL=C
build=$(cd "${1:?usage: package_test.sh PACKAGE_BUILD_DIR}" && pwd)
. "$(dirname "$0")/../support/test_lib.sh"
installed_by_us=false
SUDO=""

apt() {
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"
}

test_cleanup() {
    if $installed_by_us; then
        apt purge -y quagmore >/dev/null 2>&1
    fi
}

# finish [NOTE]: the verdict, with a note on what was left out.
finish() {
    test_verdict "package checks passed${1:+ ($1)}"
    exit 0
}

# The package: one, named for the version the programs report.
set -- "$build"/quagmore_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: not exactly one package in $build: $*"; exit 1; }
deb=$1
version=$("$build/bin/quagmore" --version | sed -n 's/^quagmore //p')
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "quagmore_${version}_${arch}.deb" ] || fail "$(basename "$deb") is not quagmore_${version}_${arch}.deb"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(dpkg-deb -f "$deb" Section)" = "games" ] || fail "the package is not in section games"
dpkg-deb -f "$deb" Depends | grep -q 'libsdl2-2.0-0' || fail "the dependencies were not computed: $(dpkg-deb -f "$deb" Depends)"

# Every file in place, and nothing outside /usr.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for file in usr/games/quagmore usr/games/quagmore-level usr/games/quagmore-sim \
            usr/share/quagmore/level1.dat usr/share/quagmore/level12.dat usr/share/quagmore/pieces.bmp \
            usr/share/quagmore/bonus/level1.txt usr/share/quagmore/bonus/level60.txt \
            usr/share/applications/quagmore.desktop usr/share/metainfo/io.github.quagmore.Quagmore.metainfo.xml \
            usr/share/icons/hicolor/256x256/apps/quagmore.png usr/share/man/man6/quagmore.6.gz \
            usr/share/man/man6/quagmore-level.6.gz usr/share/man/man6/quagmore-sim.6.gz \
            usr/share/doc/quagmore/copyright usr/share/doc/quagmore/changelog.gz; do
    grep -qx "\./$file" "$work/contents" || fail "the package has no /$file"
done
grep -v -e '^\./$' -e '^\./usr/' "$work/contents" >"$work/outside" && fail "files outside /usr: $(cat "$work/outside")"

# lintian: every tag is shown; an error or a warning fails.
echo "--- lintian"
lintian --fail-on error,warning --display-info --pedantic "$deb" || fail "lintian found errors or warnings"
echo "---"

if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        SUDO="sudo -n"
    else
        echo "SKIPPED: installing and removing the package needs root or sudo without a password"
        finish "not installed"
    fi
fi
if dpkg-query -W -f='${Status}' quagmore 2>/dev/null | grep -q "install ok installed"; then
    echo "SKIPPED: quagmore is installed already; the rest of the test installs and removes it and leaves yours alone"
    finish "not installed"
fi

# Installed, the programs work from another directory on the installed data.
snapshot() {
    find /usr -xdev 2>/dev/null | sort
}
snapshot >"$work/before"
echo "installing $deb"
apt install -y --no-install-recommends "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install failed"; finish; }
installed_by_us=true

mkdir "$work/elsewhere" "$work/home"
cd "$work/elsewhere" || exit 1
[ "$(/usr/games/quagmore --version)" = "quagmore $version" ] || fail "the installed game is not version $version"
cat >level1.sim <<'SCRIPT'
hold right
run 10
hold down
run 40
hold right
run 70
hold down
run 30
hold
run 1
print menu
run 360
SCRIPT
/usr/games/quagmore-sim --home "$work/home" level1.sim >sim.out 2>&1 || fail "the installed quagmore-sim exited $?"
grep -q -x "levels=110000000000" sim.out && grep -q -x "511 level 2" sim.out && grep -q -x "511 exit 0" sim.out \
    || fail "the installed game did not play level 1 through: $(cat sim.out)"
! grep -q -e 'INVALID_HANDLE_VALUE' -e 'Ingen pieces' sim.out || fail "the installed game did not find its data: $(cat sim.out)"
/usr/games/quagmore-level check /usr/share/quagmore/level*.dat >check.out 2>&1 || fail "quagmore-level check: $(cat check.out)"
[ "$(grep -c ': ok$' check.out)" -eq 12 ] || fail "not twelve good levels installed: $(cat check.out)"
/usr/games/quagmore-level check /usr/share/quagmore/bonus >check.out 2>&1 || fail "the bonus campaign: $(cat check.out)"
grep -q -x "/usr/share/quagmore/bonus: ok, 60 levels" check.out || fail "not sixty good bonus levels: $(tail -n 1 check.out)"
# (Some minimal systems tell dpkg to leave manual pages out.)
if [ -f /usr/share/man/man6/quagmore-sim.6.gz ]; then
    [ "$(man -w quagmore-sim 2>/dev/null)" = /usr/share/man/man6/quagmore-sim.6.gz ] || fail "man does not find quagmore-sim(6)"
else
    echo "note: dpkg left the manual pages out on this system"
fi
desktop-file-validate /usr/share/applications/quagmore.desktop || fail "the installed desktop entry is not valid"
cd / || exit 1

# Removed again, nothing is left behind.
echo "removing it again"
apt purge -y quagmore >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge failed"; }
installed_by_us=false
snapshot >"$work/after"
# Installing a desktop entry or icons makes dpkg triggers rebuild the system's
# indexes of them; those are the system's, not left over from the package,
# and stay (with their directories) when they were not there before.
comm -13 "$work/before" "$work/after" | grep -v -x \
    -e /usr/share/applications -e /usr/share/applications/mimeinfo.cache \
    -e /usr/share/icons -e /usr/share/icons/hicolor -e /usr/share/icons/hicolor/icon-theme.cache \
    >"$work/left" && fail "left behind under /usr: $(cat "$work/left")"
comm -23 "$work/before" "$work/after" >"$work/gone" && [ -s "$work/gone" ] && fail "gone from /usr: $(cat "$work/gone")"
finish
