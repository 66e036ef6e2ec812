#!/usr/bin/env bash
# Sets everything up, builds the game and its game folder, and starts the
# windowed game. Pass --fullscreen to start the full-screen build instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
program=lanternfall-windowed
[ "${1:-}" = "--fullscreen" ] && program=lanternfall
cd build/default/game
exec "../src/$program"
