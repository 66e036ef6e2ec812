#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks what lands there, and starts
# the installed windowed game from another directory under Xvfb: it reaches
# the title, keeps the player's files in the scratch data home, and writes
# nothing under the prefix. Exit 77 (skipped) when a tool is missing.
set -euo pipefail
build=$1
for tool in Xvfb xdotool import convert appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for path in games/lanternfall games/lanternfall-windowed \
    share/games/lanternfall/out.txt share/games/lanternfall/joyconfig.dat \
    share/games/lanternfall/lnfpac/map.pac share/games/lanternfall/dxm/mid00.mid \
    share/applications/lanternfall.desktop share/man/man6/lanternfall.6.gz \
    share/man/man6/lanternfall-windowed.6.gz share/doc/lanternfall/copyright \
    share/metainfo/io.github.lanternfall.Lanternfall.metainfo.xml; do
  [ -e "$prefix/$path" ] || fail "$path is not installed"
done
for path in games/lanternfall-headless share/games/lanternfall/lnfpac/wfdn.pac; do
  [ ! -e "$prefix/$path" ] || fail "$path must not be installed"
done
if [ -d "$build/icons/hicolor" ]; then
  [ -f "$prefix/share/icons/hicolor/256x256/apps/lanternfall.png" ] || fail "the icon is not installed"
fi
[ -x "$prefix/games/lanternfall-windowed" ] || fail "the windowed program is not executable"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli rejects the metainfo"
desktop-file-validate "$prefix/share/applications/lanternfall.desktop" || fail "the desktop entry is invalid"

listing() { find "$prefix" -printf '%P %s %T@\n' | sort; }
before=$(listing)

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

mkdir -p "$work/elsewhere" "$work/home"
(
  cd "$work/elsewhere"
  unset SDL_VIDEODRIVER LANTERNFALL_DATA
  export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy
  exec "$prefix/games/lanternfall-windowed" >"$work/game.log" 2>&1
) &
game=$!
pids+=($game)

title_drawn() {
  xdotool search --name '^Lanternfall$' >/dev/null 2>&1 || return 1
  import -window root "$work/screen.png" 2>/dev/null || return 1
  [ "$(convert "$work/screen.png" -format '%[fx:maxima>0.2]' info:)" = 1 ]
}
for _ in $(seq 300); do
  title_drawn && break
  kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended early"; }
  sleep 0.1
done
title_drawn || { cat "$work/game.log" >&2; fail "the title did not appear within 30 s"; }
kill "$game"

player=$work/data/lanternfall
[ -d "$player/lnfpac" ] || fail "the player's folder was not made under XDG_DATA_HOME"
cmp -s "$player/joyconfig.dat" "$prefix/share/games/lanternfall/joyconfig.dat" ||
  fail "the default button assignment was not copied for the player"
[ "$before" = "$(listing)" ] || fail "the game wrote under the prefix: $(diff <(echo "$before") <(listing))"
echo "installed game reached the title; player's files in $player"
