#!/bin/sh
# Installs the Debian packages Quagmore needs, those missing only, running
# apt-get update first when any are.
# Usage: setup-deps.sh [play|test]
#   play  building the game and its data, and playing it (scripts/play.sh)
#   test  that and all the rest: the tests, the manual pages, the Debian
#         package, the sanitizers, the fuzz targets and the browser build
#         (scripts/test.sh, and the default)
set -eu

# Building and playing: the compiler, make, CMake and pkg-config, SDL2,
# SDL2_mixer and Dear ImGui. The data (pictures, sounds, levels, icons,
# compressed manual pages) is made by the build's own tools and gzip.
PLAY_PACKAGES="g++ cmake make pkg-config libsdl2-dev libsdl2-mixer-dev libimgui-dev"

# Testing, one line for each part. GoogleTest and Google Benchmark for the
# suites and the bench. The window tests run under Xvfb and are driven by
# xdotool; evilwm is there because on X a window manager is what makes a
# window fullscreen; the desktop entry and the metainfo are validated. groff
# and man render the manual pages; dpkg-dev and file compute the Debian
# package's dependencies, lintian checks it. The browser build and its tests:
# Debian's emscripten (with node's acorn, which it needs), Chromium, its
# WebDriver and Selenium (Python also reads the icons for their test).
# `make fuzz` and `make sanitize`: clang, its runtime libraries (libFuzzer and
# the sanitizers) and llvm (the symbolizer for their reports).
TEST_PACKAGES="libgtest-dev libbenchmark-dev \
xvfb xauth xdotool evilwm desktop-file-utils appstream \
groff-base man-db dpkg-dev file lintian \
emscripten node-acorn chromium chromium-driver python3 python3-selenium \
clang libclang-rt-14-dev llvm"

case "${1:-test}" in
    play) packages=$PLAY_PACKAGES ;;
    test) packages="$PLAY_PACKAGES $TEST_PACKAGES" ;;
    *) echo "usage: setup-deps.sh [play|test]: '$1' is neither" >&2; exit 2 ;;
esac

missing=""
for package in $packages; do
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
