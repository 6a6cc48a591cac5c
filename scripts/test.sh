#!/bin/sh
# Installs whatever Debian package is missing, builds Quagmore and runs every
# test headless; then builds the Debian package and tests it (installing it
# and removing it again when run as root).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh
make --no-print-directory test
exec make --no-print-directory package-test
