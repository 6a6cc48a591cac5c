#!/bin/sh
# Installs whatever Debian package is missing, builds Quagmore and runs every
# test headless and builds it once more without the tests; builds the game
# for the browser and plays it in headless Chromium; runs every test
# again under AddressSanitizer and UndefinedBehaviorSanitizer; runs each fuzz
# target briefly; then builds the Debian package and tests it (installing it
# and removing it again when run as root).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh test
make --no-print-directory test
make --no-print-directory build-notests
make --no-print-directory web-test
make --no-print-directory sanitize
make --no-print-directory fuzz
exec make --no-print-directory package-test
