#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# On a screen of KORDAMIR_XVFB_SCREEN's size under a window manager's title
# bar, the start window and the table lie on the screen, and every control of
# theirs lies whole inside its window, as the accessibility bus reports them;
# then the keys reach "Выход" through the Esc question.
set -euo pipefail
program=$1
data=$2
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"

on_own_accessibility_bus "$@"
read -r width height < <(xdotool getdisplaygeometry)

work=$(mktemp -d)
cp "$program" "$work/kordamir"
cp -r "$data" "$work/Data"
cd "$work"
./kordamir --mute &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

# The window's inside (its frame is the window manager's) lies on the screen.
on_screen() {
  local window=$1 info X Y WIDTH HEIGHT
  # xwininfo: xdotool counts a reparenting window manager's frame twice.
  info=$(xwininfo -id "$window")
  X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
  WIDTH=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
  HEIGHT=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
  if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt "$width" ] || [ $((Y + HEIGHT)) -gt "$height" ]; then
    echo "the window lies at $X,$Y ${WIDTH}x$HEIGHT, off the ${width}x$height screen" >&2
    exit 1
  fi
}

start=$(wait_for_window '^Кордамир$')
"$python" "$here/atspi_fit.py" "Новая игра" "Выход"
on_screen "$start"
focus_window "$start"
xdotool key Return                # "Новая игра"
pause 2
xdotool key Tab Tab Tab Return    # three people with the names offered
"$python" "$here/atspi_fit.py" "Кручу барабан" "А" "Я"
on_screen "$(xdotool getactivewindow)"
xdotool key Escape                # "Закончить игру?"
pause 1
xdotool key Tab Return            # "Да": the menu
pause 2
xdotool key Up Return             # "Выход"
wait_for_exit "$pid" 20
wait "$pid"
trap - EXIT
rm -rf "$work"
echo "the start window and the table fit ${width}x${height} whole"
