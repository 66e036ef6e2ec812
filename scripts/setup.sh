#!/usr/bin/env bash
# Installs the Debian packages Lanternfall needs to build, test and play,
# when any of them is missing. Runs apt-get update once, only if needed.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont
  libfreetype-dev libfontconfig-dev fonts-ipafont-gothic fonts-ipafont-mincho libstb-dev
  libcairo2-dev libpango1.0-dev libpng-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick appstream desktop-file-utils dpkg-dev file lintian
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Lanternfall needs these Debian packages: ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
