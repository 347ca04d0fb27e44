#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# On a small screen (KORDAMIR_XVFB_SCREEN) under a window manager's title bar,
# every control of the start window and of the table lies whole on the
# screen, as the accessibility bus reports them; then the keys reach
# "Выход" through the Esc question.
set -euo pipefail
program=$1
data=$2
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${KORDAMIR_OWN_BUS:-}" ]; then
  # A bus of its own: the accessibility bus is started on it and ends with it.
  exec env KORDAMIR_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
python=/usr/bin/python3
pause() { sleep "$(($1 * ${KORDAMIR_E2E_PACE:-1}))"; }
read -r width height < <(xdotool getdisplaygeometry)

work=$(mktemp -d)
cp "$program" "$work/kordamir"
cp -r "$data" "$work/Data"
cd "$work"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
./kordamir --mute &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

start=$(wait_for_window '^Кордамир$')
"$python" "$here/atspi_fit.py" "$width" "$height" "Новая игра" "Выход"
focus_window "$start"
xdotool key Return                # "Новая игра"
pause 2
xdotool key Tab Tab Tab Return    # three people with the names offered
"$python" "$here/atspi_fit.py" "$width" "$height" "Кручу барабан" "А" "Я"
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
