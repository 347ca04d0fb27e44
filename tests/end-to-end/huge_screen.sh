#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# On a screen with more pixels than 4K (the caller's Xvfb is 7680 x 4320) the
# scene stays at the 4K scale of 3.5 and the start window covers only the
# middle 3840 x 2160 pixels, lavender around the scene: a window over the
# whole screen cost memory for each of its pixels. "Выход", where the 4K
# scale puts it, still ends the program.
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

cd "$(mktemp -d)"
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(wait_for_window '^Кордамир$')
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ "$WIDTH" -gt 3840 ] || [ "$HEIGHT" -gt 2160 ] || [ "$WIDTH" -lt 2800 ] || [ "$HEIGHT" -lt 2100 ]; then
  echo "start window of $WIDTH x $HEIGHT on a screen of $screen_width x $screen_height" >&2
  exit 1
fi
# In the middle, give or take the rounding of a fractional scale.
for offset in $((2 * X + WIDTH - screen_width)) $((2 * Y + HEIGHT - screen_height)); do
  if [ "$offset" -lt -8 ] || [ "$offset" -gt 8 ]; then
    echo "start window at $X,$Y, $WIDTH x $HEIGHT: not in the middle of $screen_width x $screen_height" >&2
    exit 1
  fi
done
read -r x y < <(start_picture_point "$window" $(place_centre exit))
click_at "$x" "$y"
expect_clean_exit "$pid"
trap - EXIT
echo "a screen of $screen_width x $screen_height: a start window of $WIDTH x $HEIGHT in its middle, Выход ended the program"
