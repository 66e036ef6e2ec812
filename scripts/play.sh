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
# The game finds its folder as an installed one does, and keeps the player's
# files in ~/.local/share/lanternfall/, so a rebuild never touches them.
LANTERNFALL_DATA="$PWD/build/default/game" exec "build/default/src/$program"
