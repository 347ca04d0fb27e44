#!/usr/bin/env bash
# The real program in an X server: the start window "Кордамир" appears, run
# from another working directory, and "Выход" ends the program.
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

cd "$(mktemp -d)"
# Scaled by a factor of the player's choice; the menu is where the scale puts it.
export KORDAMIR_SCALE=1.5
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(wait_for_window '^Кордамир$')
read -r x y < <(start_picture_point "$window" $((548 + 112)) $((500 + 30)))
click_at "$x" "$y"
wait_for_exit "$pid"
wait "$pid"
echo "start window shown, Выход ended the program"
