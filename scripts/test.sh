#!/bin/sh
# Installs whatever Debian package is missing, builds Quagmore and runs every
# test headless.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh
exec make --no-print-directory test
