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

on_own_accessibility_bus "$@"

cd "$(mktemp -d)"
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
