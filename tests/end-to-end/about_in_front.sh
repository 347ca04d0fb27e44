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
sleep 0.5
xdotool key Up Up Return            # ↑ from no highlight is "Выход", then "Автор"
about=$(wait_for_window '^О программе$')
eventually 10 has_focus "$about" || { echo "About has no keyboard" >&2; exit 1; }

read -r x y < <(start_picture_point "$start" 20 20)
click_at "$x" "$y"
sleep 0.5
is_above "$about" "$start" || { echo "About went behind the start window" >&2; exit 1; }

# The keyboard elsewhere, then "Автор" clicked again.
xdotool windowfocus --sync "$start"
read -r x y < <(start_picture_point "$start" 660 462)
click_at "$x" "$y"
eventually 10 has_focus "$about" || { echo "Автор did not give About the keyboard" >&2; exit 1; }
is_above "$about" "$start"

read -r x y < <(start_picture_point "$start" 660 394)
click_at "$x" "$y"                  # "Рекорды"
# The start window leaves once the records window is painted: then only one
# wide window is left.
wide_windows() {
  xdotool search --onlyvisible --name '^Кордамир$' 2>/dev/null | while read -r id; do
    eval "$(xdotool getwindowgeometry --shell "$id")"; [ "$WIDTH" -gt 800 ] && echo "$id"; done
}
eventually 10 bash -c '[ "$(xdotool search --onlyvisible --name "^Кордамир$" | wc -l)" -eq 1 ]' || true
records=$(wide_windows | head -n 1)
[ -n "$records" ] && [ "$records" != "$start" ] || { echo "no records window" >&2; exit 1; }
sleep 0.3
is_above "$about" "$records" || { echo "About went behind the records window" >&2; exit 1; }

xdotool windowfocus --sync "$about"
xdotool key Escape
about_gone() { ! xdotool search --onlyvisible --name '^О программе$' >/dev/null; }
eventually 10 about_gone || { echo "Esc did not close About" >&2; exit 1; }
echo "About stayed in front and came back with the keyboard"
