#!/usr/bin/env bash
# Installs what building, playing and testing Кордамир need on Debian 12:
# the compiler and CMake, Qt 6, XRandR, the fonts the game's texts are set in,
# and Xvfb with xdotool for the tests of the real program. Packages already
# present are left alone; nothing is downloaded when all are there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  libxrandr-dev libx11-dev
  fonts-urw-base35 fonts-liberation2 fonts-sil-andika fonts-dejavu-core fontconfig
  xvfb xauth xdotool
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
