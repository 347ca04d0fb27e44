#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the software centre's screenshots from the real game, in a private
# Xvfb of the scene's own 800 x 600: the start window, and the game table of
# a new tournament's first stage after a few spins and letters.
#
#   tools/take-screenshots.sh [PROGRAM [FOLDER]]
#
# PROGRAM defaults to build/default/kordamir, FOLDER to packaging/screenshots
# (the metainfo names start.png and table.png there). Needs Xvfb, xdotool and
# ImageMagick's import; pngquant and optipng pack the pictures when they are
# installed. The game runs with a scratch home, so no records or settings of
# yours are read, and the speaker shows the sound on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/default/kordamir}")
folder=$(realpath "${2:-$root/packaging/screenshots}")
# The places to click, as the build that made PROGRAM wrote them.
export KORDAMIR_PLACES=${KORDAMIR_PLACES:-$(dirname "$program")/places.txt}

if [ -z "${KORDAMIR_TAKING_SCREENSHOTS:-}" ]; then
  export KORDAMIR_TAKING_SCREENSHOTS=1 KORDAMIR_XVFB_SCREEN=800x600x24
  exec "$root/tools/with-xvfb.sh" "$0" "$program" "$folder"
fi

source "$root/tests/end-to-end/lib.sh"
scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export HOME="$scratch" KORDAMIR_SCALE=1
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$folder"

# The root window is the whole picture: the scene fills the 800 x 600 screen.
shoot() {
  import -window root "$scratch/shot.png"
  # A palette of the picture's own colours: a third of the size, the same to
  # the eye.
  if command -v pngquant >/dev/null; then
    pngquant --quality 85-98 --speed 1 --strip --force --output "$scratch/shot.png" "$scratch/shot.png"
  fi
  if command -v optipng >/dev/null; then
    optipng -quiet -o5 -strip all "$scratch/shot.png"
  fi
  mv "$scratch/shot.png" "$folder/$1"
  echo "$folder/$1"
}

cd "$scratch"
"$program" &
pid=$!
start=$(wait_for_window '^Кордамир$' 60)
# The backdrop is decoded after the window shows; give it time to be drawn.
sleep 3
shoot start.png

# Новая игра, then OK on the names the setup offers.
setup=$(open_setup "$start")
sleep 1
read -r x y < <(window_point "$setup" $(place_centre setupOk))
click_at "$x" "$y"
sleep 3
# Space spins the drum for the seat with the turn, and the keys at the places
# of О, А and Е name those letters, one a spin, when the drum asks for one;
# a key with nothing to do does nothing.
for letter in j f t; do
  xdotool key space
  sleep 8
  xdotool key "$letter"
  sleep 4
done
shoot table.png
