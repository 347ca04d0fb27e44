#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in an X server: the start window "Кордамир" appears, run
# from another working directory, at the scale it should pick, and "Выход"
# ends the program. Scaled by a factor of the player's choice, then by the
# one the program finds from the screen, on a desktop that publishes a
# smaller free area and its own DPI, sane and absurd.
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

cd "$(mktemp -d)"

# Starts the program and clicks "Выход" where scale $1 puts it: a click
# beside it would do nothing, and the program would not end.
# Arguments after the first go to the program. The window must lie on the
# screen and hold the scene: else no click or key could reach it.
leave_at_scale() {
  "$program" "${@:2}" &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  window=$(wait_for_window '^Кордамир$')
  eval "$(xdotool getwindowgeometry --shell "$window")"
  read -r screen_width screen_height < <(xdotool getdisplaygeometry)
  # A fractional scale rounds the window a few pixels past the screen's edge;
  # under a window manager xdotool counts the title bar into Y twice.
  if [ "$WIDTH" -lt 800 ] || [ "$HEIGHT" -lt 600 ] || [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] \
    || [ "$WIDTH" -gt $((screen_width + 4)) ] || [ "$HEIGHT" -gt $((screen_height + 4)) ] \
    || [ "$X" -ge "$screen_width" ] || [ "$Y" -ge "$screen_height" ]; then
    echo "start window at $X,$Y, $WIDTH x $HEIGHT, on a screen of $screen_width x $screen_height" >&2
    exit 1
  fi
  read -r x y < <(KORDAMIR_SCALE=$1 start_picture_point "$window" $(place_centre exit))
  click_at "$x" "$y"
  wait_for_exit "$pid"
  wait "$pid"
  trap - EXIT
}

export KORDAMIR_SCALE=1.5
leave_at_scale 1.5
unset KORDAMIR_SCALE
echo "scaled by KORDAMIR_SCALE: start window shown, Выход ended the program"

# A free area 700 pixels high: (700 - 40) / 600 = 1.1 fits, whatever the
# screen's width. Xft.dpi 144, as xrdb writes it, is the toolkit's own factor
# of 1.5, which the program's must allow for.
read -r width _ < <(xdotool getdisplaygeometry)
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0,0,$width,700"
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t144')"
leave_at_scale 1.1
echo "scaled to the free area and DPI the desktop publishes: Выход ended the program"

# A desktop claiming a billion dots per inch: the toolkit alone would scale
# the scene ten million times, to a 0 x 0 window out of reach of any key. The
# program's factor brings it back to what the free area holds; one to one
# too, clamped to the whole free area: (700 / 600) = 1.15.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t1000000000')"
leave_at_scale 1.1
leave_at_scale 1.15 --no-scale
echo "a billion dots per inch: the start window fits the screen, with and without --no-scale"

# Under a window manager the player may un-maximise the window and make it as
# small as they like: it keeps room for the menu (at scale 1.1 here, the
# menu's controls span about 760 x 350 of the scene), and the menu still works.
if [ "${KORDAMIR_DESKTOP:-}" = openbox ]; then
  "$program" &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  window=$(wait_for_window '^Кордамир$')
  wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
  wmctrl -i -r "$window" -e 0,0,0,320,240
  fits() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -ge $((740 * 110 / 100)) ] && [ "$HEIGHT" -ge $((340 * 110 / 100)) ]
  }
  sleep 1
  if ! fits; then
    echo "asked for 320 x 240, the start window became $WIDTH x $HEIGHT" >&2
    exit 1
  fi
  focus_window "$window"
  xdotool key Up Return
  wait_for_exit "$pid"
  wait "$pid"
  trap - EXIT
  echo "un-maximised and made small, the start window kept its menu whole: Выход ended the program"
fi
