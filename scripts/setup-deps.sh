#!/bin/sh
# Installs the Debian packages that building, playing and testing Quagmore need.
# Only missing packages are installed; apt-get update runs first when any are.
set -eu

# evilwm is a test dependency: the window test runs fullscreen under it, since
# on X a window manager is what makes a window fullscreen.
# The second-last line is for the manual pages and the Debian package: groff
# and man render the pages, dpkg-dev and file compute the package's
# dependencies, lintian checks it. The last serves `make fuzz` and `make
# sanitize`: clang, its runtime libraries (libFuzzer and the sanitizers) and
# llvm (the symbolizer for their reports). The browser build and its tests
# take the one before it: Debian's emscripten (with node's acorn, which it
# needs), Chromium, its WebDriver and Selenium.
PACKAGES="g++ cmake make pkg-config libsdl2-dev libsdl2-mixer-dev libimgui-dev \
libgtest-dev libbenchmark-dev xvfb xauth xdotool evilwm desktop-file-utils appstream \
groff-base man-db dpkg-dev file lintian \
emscripten node-acorn chromium chromium-driver python3-selenium \
clang libclang-rt-14-dev llvm"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

echo "Installing:$missing"
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
