#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program's sound, heard from a sound server of its own: a null sink
# whose monitor is recorded while the pointer moves down the start menu. The
# entries are heard, one short sound each; after M the same moves are silent;
# the silence is remembered at the next start; M brings the sound back, and
# --mute starts silent once without changing what was remembered.
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_server.sh"

work=$(mktemp -d)
cd "$work"
pid=""
cleanup() {
  kill "$pid" 2>/dev/null || true
  stop_sound_server
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_sound_server "$work"

pace=${KORDAMIR_E2E_PACE:-1}

# Starts the program with the arguments given, waits for its menu and for
# the sound to be loaded.
start_game() {
  "$program" "$@" 2>"$work/stderr" &
  pid=$!
  window=$(wait_for_window '^Кордамир$')
  sleep $((pace * 1))
}

# Records the sink while the pointer goes down the four entries and back to
# the picture beside them; prints how many sounds began, one per line of
# 10 ms windows where the level rises above -50 dBFS after silence.
record_menu_walk() {
  start_recording "$work/walk.raw"
  local entry x y
  read -r x y < <(start_picture_point "$window" 300 150)
  xdotool mousemove "$x" "$y"
  sleep 0.4
  for entry in 1 2 3 4; do
    read -r x y < <(start_picture_point "$window" $(place_centre "$(menu_entry_place "$entry")"))
    xdotool mousemove "$x" "$y"
    sleep 0.4
  done
  read -r x y < <(start_picture_point "$window" 300 150)
  xdotool mousemove "$x" "$y"
  sleep 0.5
  stop_recording
  count_sounds "$work/walk.raw"
}

press_m() {
  read -r x y < <(start_picture_point "$window" 300 150)
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool key m
  sleep 0.3
}

leave() {
  read -r x y < <(start_picture_point "$window" $(place_centre exit))
  click_at "$x" "$y"
  wait_for_exit "$pid"
  wait "$pid" || true
  pid=""
}

remembered() {
  grep -s '^muted=' "$XDG_CONFIG_HOME/kordamir/kordamir.conf" | cut -d= -f2
}

start_game
heard=$(record_menu_walk)
echo "sound on: $heard sounds heard walking down the menu"
[ "$heard" -ge 4 ] || { echo "expected at least 4 menu sounds, heard $heard" >&2; exit 1; }
python3 "$(dirname "$0")/listen.py" whole "$work/walk.raw" ||
  { echo "a menu sound broke off and came back (above)" >&2; exit 1; }

press_m
heard=$(record_menu_walk)
echo "after M: $heard sounds heard"
[ "$heard" -eq 0 ] || { echo "M left the sound on" >&2; exit 1; }
[ "$(remembered)" = true ] || { echo "the silence was not remembered" >&2; exit 1; }
leave

start_game
heard=$(record_menu_walk)
echo "next start: $heard sounds heard"
[ "$heard" -eq 0 ] || { echo "the remembered silence was not kept" >&2; exit 1; }
press_m
heard=$(record_menu_walk)
echo "after M again: $heard sounds heard"
[ "$heard" -ge 4 ] || { echo "M did not bring the sound back" >&2; exit 1; }
[ "$(remembered)" = false ] || { echo "the sound's return was not remembered" >&2; exit 1; }
leave

start_game --mute
heard=$(record_menu_walk)
echo "with --mute: $heard sounds heard"
[ "$heard" -eq 0 ] || { echo "--mute left the sound on" >&2; exit 1; }
leave
[ "$(remembered)" = false ] || { echo "--mute changed the remembered choice" >&2; exit 1; }

# The sound server goes away while the game runs: it plays on, silent, and
# says so once on stderr.
start_game
stop_sound_server
for entry in 1 2 3 4 1 2; do
  read -r x y < <(start_picture_point "$window" $(place_centre "$(menu_entry_place "$entry")"))
  xdotool mousemove "$x" "$y"
  sleep 0.2
done
kill -0 "$pid" || { echo "the game ended when the sound server went away" >&2; exit 1; }
leave
lines=$(grep -c 'kordamir:' "$work/stderr" || true)
echo "server gone: the game went on; $lines line(s) on stderr"
cat "$work/stderr" >&2
[ "$lines" -le 1 ] || { echo "more than one line about the lost sound" >&2; exit 1; }
echo "menu heard, M silenced it, silence remembered, --mute kept it once"
