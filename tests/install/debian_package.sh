#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its contents and
# dependencies, and has lintian check it (no errors allowed). Exit 77
# (skipped) when a tool is missing.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(echo "$out"/lanternfall_*_*.deb)
[ -f "$deb" ] || fail "no package was made"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/games/lanternfall ./usr/games/lanternfall-windowed \
    ./usr/share/games/lanternfall/out.txt ./usr/share/games/lanternfall/joyconfig.dat \
    ./usr/share/games/lanternfall/lnfpac/map.pac ./usr/share/applications/lanternfall.desktop \
    ./usr/share/man/man6/lanternfall.6.gz ./usr/share/doc/lanternfall/copyright \
    ./usr/share/doc/lanternfall/changelog.gz; do
  grep -qxF "$path" <<<"$contents" || fail "$path is not in the package"
done
! grep -qE 'headless|wfdn\.pac|\.tmp$' <<<"$contents" || fail "the package holds files it must not"
! grep -qvE '^\./(usr/.*)?$' <<<"$contents" || fail "the package installs outside /usr"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for package in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfreetype6 libfontconfig1 libc6 libstdc++6 \
    timgm6mb-soundfont fonts-ipafont-gothic; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"

status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v 'root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "package $(basename "$deb") passes"
