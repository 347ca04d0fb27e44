#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program with one picture taken out of a copy of Data: the box
# "Критическая ошибка" comes up, no game window is shown, and after OK the
# program ends.
set -euo pipefail
program=$1
data=$2
source "$(dirname "$0")/lib.sh"

copy=$(mktemp -d)
cp "$program" "$copy/"
cp -r "$data" "$copy/Data"
rm "$copy/Data/PolB/7.res"

"$copy/$(basename "$program")" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$copy"' EXIT

box=$(wait_for_window '^Критическая ошибка$')
if xdotool search --onlyvisible --name '^Кордамир$' >/dev/null 2>&1; then
  echo "the start window was shown although a picture is missing" >&2
  exit 1
fi
# OK stands in the box's lower right corner.
eval "$(xdotool getwindowgeometry --shell "$box")"
click_at $((X + WIDTH - 50)) $((Y + HEIGHT - 22))
wait_for_exit "$pid"
echo "error box shown, the program ended after OK"
