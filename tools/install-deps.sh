#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building, playing and testing Кордамир need on Debian 12:
# the compiler and CMake, Qt 6 with its Multimedia module, XRandR, the
# Wayland client library (to ask the compositor for a seat), the fonts
# the game's texts are set in,
# Xvfb with xdotool for the tests of the real program, the validators of the
# menu entry and of the metainfo, clang-format for the layout check, what
# `cpack -G DEB` uses, and for the benchmark suite the X DAMAGE and XTEST
# libraries, zlib (its huge pictures) and strace. With --play, only what building and playing need.
# Packages already present are left alone; nothing is downloaded when all
# are there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libxkbcommon-dev
  qt6-multimedia-dev
  libxrandr-dev libx11-dev libxcb-randr0-dev libwayland-dev
  fonts-urw-base35 fonts-liberation2 fonts-sil-andika fonts-dejavu-core fontconfig
  qt6-wayland
)
# The tests of the real program on three desktops (a bare X server, openbox,
# weston), a screen reader's view of it (the accessibility bus), the validators,
# the packaging checks and the bench's libraries; a sound server with a null
# sink, its recorder and sox to hear the game. reuse asks git which files the
# checkout ignores: without it, it lints every file of build/ as well.
test_packages=(
  xvfb xauth xdotool x11-utils openbox wmctrl weston
  pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream reuse git clang-format
  dpkg-dev file
  libxdamage-dev libxtst-dev libxfixes-dev zlib1g-dev strace
  at-spi2-core python3-pyatspi dbus-daemon
)
# --play: only what building and playing need.
if [ "${1:-}" != --play ]; then
  packages+=("${test_packages[@]}")
fi

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  cat >&2 <<MESSAGE
Нет apt-get: это не Debian и не Ubuntu. Установите пакеты сами
(ниже их имена в Debian; в других дистрибутивах имена похожи), затем
повторите команду.
No apt-get: this is not Debian or Ubuntu. Install these packages (their
Debian names; other distributions name them similarly) and run again:

  ${packages[*]}
MESSAGE
  exit 1
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Установка / installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Нужны права root или sudo / root or sudo is needed to install: ${missing[*]}" >&2
  exit 1
fi
# sudo drops the caller's environment, so the variable goes through env.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
