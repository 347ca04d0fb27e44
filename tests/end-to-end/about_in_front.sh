#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The About window is never lost: chosen by the keyboard it has the keyboard;
# a click on the start window leaves it in front; "Автор" chosen again brings
# it the keyboard back; "Рекорды" opens behind it.
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

cd "$(mktemp -d)"
export KORDAMIR_SCALE=1.25
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

start=$(wait_for_window '^Кордамир$')
# The keys go to the window that has the keyboard: the start window's, once
# it has it.
xdotool windowfocus --sync "$start"
eventually 10 has_focus "$start" || { echo "the start window has no keyboard" >&2; exit 1; }
xdotool key Up Up Return            # ↑ from no highlight is "Выход", then "Автор"
about=$(wait_for_window '^О программе$')
eventually 10 has_focus "$about" || { echo "About has no keyboard" >&2; exit 1; }

# The click gives the start window the keyboard (the toolkit asks for it on a
# press, the window manager on a click): once it has it, the click has been
# dealt with, and About must still be in front.
read -r x y < <(start_picture_point "$start" 20 20)
click_at "$x" "$y"
eventually 10 has_focus "$start" || { echo "the click on the start window was not taken" >&2; exit 1; }
is_above "$about" "$start" || { echo "About went behind the start window" >&2; exit 1; }

# The keyboard elsewhere, then "Автор" clicked again.
xdotool windowfocus --sync "$start"
read -r x y < <(start_picture_point "$start" $(place_centre about))
click_at "$x" "$y"
eventually 10 has_focus "$about" || { echo "Автор did not give About the keyboard" >&2; exit 1; }
is_above "$about" "$start" || { echo "Автор left About behind the start window" >&2; exit 1; }

read -r x y < <(start_picture_point "$start" $(place_centre records))
click_at "$x" "$y"                  # "Рекорды"
# The start window leaves once the records window is painted: then the one
# window named "Кордамир" is the records window.
only_records() { [ "$(visible_windows '^Кордамир$' | wc -l)" -eq 1 ] && ! visible_windows . | grep -qx "$start"; }
eventually 10 only_records || { echo "the start window did not give way to the records window" >&2; exit 1; }
records=$(visible_windows '^Кордамир$')
# About follows it to the front once it is on the screen.
eventually 10 is_above "$about" "$records" || { echo "About went behind the records window" >&2; exit 1; }

xdotool windowfocus --sync "$about"
xdotool key Escape
about_gone() { ! xdotool search --onlyvisible --name '^О программе$' >/dev/null; }
eventually 10 about_gone || { echo "Esc did not close About" >&2; exit 1; }
echo "About stayed in front and came back with the keyboard"
