# Sourced (not run) by the scripts that drive the real game on a virtual X
# display, the desktop test and the presentation benchmark: a scratch folder,
# Xvfb at 1920x1080x24, the game in its folder with a scratch home, and both
# ended and the folder removed on exit.

# Starts Xvfb and sets scratch, xvfb_pid and DISPLAY; false when it does not start.
xvfb_start() {
  scratch=$(mktemp -d)
  trap xvfb_cleanup EXIT
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  [ -s "$scratch/display" ] || return 1
  export DISPLAY=":$(cat "$scratch/display")"
}

# game_start GAME_FOLDER PROGRAM (an absolute path): runs it in the background
# without sound, its settings and saves under $scratch, its output in
# $scratch/game.log; sets game_pid.
game_start() {
  mkdir -p "$scratch/home"
  (
    cd "$1"
    # The test suite's dummy video driver would hide the real window.
    unset SDL_VIDEODRIVER
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
    export XDG_CACHE_HOME="$scratch/cache" SDL_AUDIODRIVER=dummy
    exec "$2"
  ) >"$scratch/game.log" 2>&1 &
  game_pid=$!
}

xvfb_cleanup() {
  if [ -n "${game_pid:-}" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
