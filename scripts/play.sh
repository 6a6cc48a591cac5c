#!/bin/sh
# Installs whatever Debian package building and playing need and is missing,
# builds the game and its data (no tests) and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-deps.sh play
exec make --no-print-directory play
