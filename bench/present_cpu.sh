#!/usr/bin/env bash
# CPU cost of showing the title screen on a display without an accelerated
# renderer: starts Xvfb at 1920x1080x24, runs the real program in the game
# folder for a fixed time and reports the share of one core it used
# (utime + stime from /proc/PID/stat over the measured interval).
#
#   bench/present_cpu.sh [PROGRAM [SECONDS]]
#
# PROGRAM is lanternfall-windowed (default) or lanternfall, from
# build/default/src. The first two seconds (start-up) are not counted.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-lanternfall-windowed}
seconds=${2:-10}
build=build/default
binary=$build/src/$program
[ -x "$binary" ] || { echo "present_cpu: $binary is not built" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "present_cpu: Xvfb is not installed" >&2; exit 1; }

source scripts/game_on_xvfb.bash
xvfb_start || { echo "present_cpu: Xvfb did not start" >&2; exit 1; }
game_start "$build/game" "$(realpath "$binary")"

ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
sleep 2
kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/game.log" >&2; echo "present_cpu: $program ended" >&2; exit 1; }
start_ticks=$(ticks)
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(ticks)
end_time=$(date +%s.%N)
hz=$(getconf CLK_TCK)
awk -v t="$((end_ticks - start_ticks))" -v hz="$hz" -v a="$start_time" -v b="$end_time" -v p="$program" \
  'BEGIN { printf "%s: %.1f%% of one core over %.1f s\n", p, 100 * t / hz / (b - a), b - a }'
