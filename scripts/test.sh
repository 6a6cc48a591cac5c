#!/bin/sh
# Installs whatever Debian package is missing, builds Quagmore and runs every
# test headless; then runs each fuzz target briefly.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh
make --no-print-directory test
make --no-print-directory fuzz
