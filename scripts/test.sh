#!/bin/sh
# Installs whatever Debian package is missing, builds Quagmore and runs every
# test headless, then builds it once more without the tests.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh
make --no-print-directory test
exec make --no-print-directory build-notests
