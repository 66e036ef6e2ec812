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

scratch=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "present_cpu: Xvfb did not start" >&2; exit 1; }

mkdir -p "$scratch/home"
(
  cd "$build/game"
  unset SDL_VIDEODRIVER
  export DISPLAY=":$(cat "$scratch/display")" HOME="$scratch/home" SDL_AUDIODRIVER=dummy
  export XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
  exec "../src/$program"
) >"$scratch/log" 2>&1 &
game_pid=$!

ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
sleep 2
kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/log" >&2; echo "present_cpu: $program ended" >&2; exit 1; }
start_ticks=$(ticks)
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(ticks)
end_time=$(date +%s.%N)
hz=$(getconf CLK_TCK)
awk -v t="$((end_ticks - start_ticks))" -v hz="$hz" -v a="$start_time" -v b="$end_time" -v p="$program" \
  'BEGIN { printf "%s: %.1f%% of one core over %.1f s\n", p, 100 * t / hz / (b - a), b - a }'
