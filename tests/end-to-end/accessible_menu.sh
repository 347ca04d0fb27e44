#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The start menu as a screen reader meets it: on a private session and
# accessibility bus, the real program shows its window as a frame with four
# push buttons; the keyboard highlight is the focus a reader follows (↓ and
# ↓ again focus "Новая игра", then "Рекорды"); the press action of "Автор"
# opens the About window and that of "Выход" ends the program, with no
# mouse and no key. With no X display (a headless Wayland compositor, where
# nothing else can reach the program) the same, but for the keys.
set -euo pipefail
program=$1
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${KORDAMIR_OWN_BUS:-}" ]; then
  # A bus of its own: the accessibility bus is started on it and ends with it.
  exec env KORDAMIR_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

# Debian's own interpreter, which has python3-pyatspi, whatever else is first on PATH.
python=/usr/bin/python3

cd "$(mktemp -d)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
if [ -n "${DISPLAY:-}" ]; then
  wait_for_window '^Кордамир$' >/dev/null
fi

"$python" "$here/atspi_menu.py" check
if [ -n "${DISPLAY:-}" ]; then
  "$python" "$here/atspi_menu.py" focused "Новая игра"
  xdotool key Down
  "$python" "$here/atspi_menu.py" focused "Рекорды"
fi
"$python" "$here/atspi_menu.py" press "Автор"
"$python" "$here/atspi_menu.py" frame "О программе"
echo "the press action of Автор opened the About window"
"$python" "$here/atspi_menu.py" press "Выход"
wait_for_exit "$pid" 20
wait "$pid"
trap - EXIT
echo "the press action of Выход ended the program"
