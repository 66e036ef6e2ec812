#!/usr/bin/env bash
# Starts the windowed game on Xvfb at 1920x1080 with a scratch home and checks
# the window: 1280x960 at first, F11 covers the screen and F11 again gives the
# window back, the title is drawn, and closing saves the window settings.
#   window_test.sh PROGRAM GAME_FOLDER SCREENSHOT_FOLDER
# Exits 77 (skipped) when Xvfb or the X tools are missing.
set -euo pipefail
program=$(realpath "$1") game=$(realpath "$2") shots=$3
for tool in Xvfb xdotool xwininfo xprop import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

source "$(dirname "$0")/../../scripts/game_on_xvfb.bash"
fail() {
  echo "FAILED: $*" >&2
  if [ -f "$scratch/game.log" ]; then sed 's/^/  game: /' "$scratch/game.log" >&2; fi
  xwininfo -root -children 2>&1 | sed 's/^/  screen: /' >&2 || true
  exit 1
}

# Polls a command for up to thirty seconds: generous for a loaded machine.
wait_for() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}

xvfb_start || fail "Xvfb did not start"
game_start "$game" "$program"

geometry() {
  xwininfo -name Lanternfall 2>/dev/null |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
         END { if (w) print w "x" h "+" x "+" y }'
}
is_geometry() { [ "$(geometry)" = "$1" ]; }
# The screen now; then how many colours one part of it shows.
shoot() { import -window root "$scratch/shot.png" 2>/dev/null; }
colours() { convert "$scratch/shot.png" -crop "$1" +repage -format %k info:; }
# The title fills the window (many colours), or in full screen the 1440x1080
# picture between two black bars: its right-hand end is drawn too.
windowed_title() { shoot && [ "$(colours 1280x960+320+60)" -gt 200 ]; }
full_screen_title() {
  shoot && [ "$(colours 200x1080+1480+0)" -gt 200 ] &&
    [ "$(colours 240x1080+0+0)" -eq 1 ] && [ "$(colours 240x1080+1680+0)" -eq 1 ]
}

wait_for is_geometry 1280x960+320+60 || fail "window is $(geometry), not 1280x960 centred"
wait_for windowed_title || fail "the title is not drawn in the window"
mkdir -p "$shots"
cp "$scratch/shot.png" "$shots/windowed.png"
xprop -name Lanternfall WM_CLASS | grep -q '"lanternfall", "lanternfall"' || fail "WM_CLASS is not lanternfall"
xprop -name Lanternfall _NET_WM_ICON | grep -q CARDINAL || fail "the window has no icon"

press() {
  xdotool windowfocus --sync "$(xdotool search --name '^Lanternfall$' | head -n 1)" key "$1"
}
press F11
wait_for is_geometry 1920x1080+0+0 || fail "after F11 the window is $(geometry), not the whole screen"
wait_for full_screen_title || fail "the title is not drawn full screen between black bars"
cp "$scratch/shot.png" "$shots/fullscreen.png"
press F11
wait_for is_geometry 1280x960+320+60 || fail "after F11 again the window is $(geometry), not 1280x960"

# SDL turns SIGTERM into the same quit event a window manager's close button sends.
kill -TERM "$game_pid"
ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for ended || fail "the game did not end when closed"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game ended with status $status"
settings="$scratch/config/lanternfall/window.conf"
[ -f "$settings" ] || fail "no settings saved at $settings"
grep -qx "fullscreen no" "$settings" && grep -qx "size 1280 960" "$settings" ||
  fail "settings saved as: $(cat "$settings")"
echo "window 1280x960, full screen 1920x1080 and back, title drawn, settings saved"
