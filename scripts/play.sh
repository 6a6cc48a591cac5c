#!/bin/sh
# Installs whatever Debian package is missing, builds Quagmore and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh
exec make --no-print-directory play
