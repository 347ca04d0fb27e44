#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program's sound at the table, recorded from a sound server of its
# own, with the keyboard alone: a person spins and names a right letter. The
# drum is heard clacking in step with its frames and knocking as it stops,
# the sector sounds, and the letter's cell chimes. Ctrl+M (on the table M is
# a letter) silences the same steps, and cuts a turning drum's clacks short;
# pressed again, the drum is heard again.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/sound_server.sh"

work=$(mktemp -d)
cp "$program" "$work/kordamir"
cp -r "$data" "$work/Data"
# One topic of one word, all its letters different: every key below names a
# letter that is in it, and no cell opens twice.
rm -f "$work/Data/Baz/"*.dat "$work/Data/Cfg.ini"
printf '1\r\nГРУЗОВИК\r\n' | iconv -f UTF-8 -t CP1251 >"$work/Data/Baz/Тест.dat"
sounds=$work/Data/Zvuk
cd "$work"
pid=""
# KORDAMIR_E2E_KEEP=DIR keeps the recordings there, to be listened to.
cleanup() {
  kill "$pid" 2>/dev/null || true
  stop_sound_server
  wait 2>/dev/null || true
  if [ -n "${KORDAMIR_E2E_KEEP:-}" ]; then
    mkdir -p "$KORDAMIR_E2E_KEEP"
    cp "$work"/*.raw "$KORDAMIR_E2E_KEEP"/ 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
start_sound_server "$work"

pace=${KORDAMIR_E2E_PACE:-1}
listen() {
  python3 "$here/listen.py" "$@"
}

# The cells of ГРУЗОВИК and, for each, the key at its letter's place on the
# Russian layout (the table takes Latin keys there) and the key that picks
# the cell on the plus sector. Each turn below aims at the next one.
cell_keys=("j 5" "h 2" "e 3" "p 4" "d 6" "b 7" "r 8" "u 1")
aim=0

# Names the next cell's letter, and picks the cell in case the drum stopped
# on the plus sector; on a sector that passes the turn neither key acts.
name_a_right_letter() {
  local letter cell
  [ "$aim" -lt "${#cell_keys[@]}" ] || return 0
  read -r letter cell <<<"${cell_keys[$aim]}"
  aim=$((aim + 1))
  xdotool key "$letter"
  sleep 0.3
  xdotool key "$cell"
  # The chime rings for half a second.
  sleep 1.5
}

# Every sound of the recording $1 plays out whole: the streams never ran dry.
heard_whole() {
  listen whole "$1" >&2 || { echo "the sound broke off and came back, again and again (above), in $1" >&2; exit 1; }
}

# One turn with the sound on, recorded into $1: Space, and once the drum has
# stopped and its sector sounded, a right letter.
heard_turn() {
  start_recording "$1"
  xdotool key space
  if ! eventually $((15 * pace)) listen announced "$1"; then
    stop_recording
    echo "the drum's turn and its sector were not heard:" >&2
    listen spin "$1" "$sounds" >&2 || true
    echo "the game said:" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  # The sector's sound dies away first: the chime is heard on its own.
  sleep 1
  name_a_right_letter
  stop_recording
}

"./kordamir" 2>"$work/stderr" &
pid=$!
wait_for_window '^Кордамир$' >/dev/null
sleep $((pace * 1))
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
small=$((screen_width * 8 / 10))
xdotool key Return # "Новая игра"
setup=$(wait_for_small_window "$small")
sleep 0.5
xdotool key Tab Tab Tab Return # three people with the names given, OK
wait_for_window_gone "$setup"
sleep $((pace * 1))

# A sector that passes the turn (3 draws in 100) leaves the letter unnamed:
# the next person spins again.
chimed=no
for turn in 1 2 3 4; do
  heard_turn "$work/turn$turn.raw"
  heard_whole "$work/turn$turn.raw"
  status=0
  listen spin "$work/turn$turn.raw" "$sounds" || status=$?
  case $status in
  0)
    chimed=yes
    break
    ;;
  3) echo "turn $turn: the sector passed the turn, no letter; the next person spins" ;;
  *)
    echo "turn $turn: the drum was not heard as it should be" >&2
    exit 1
    ;;
  esac
done
[ "$chimed" = yes ] || { echo "no right letter chimed in four turns" >&2; exit 1; }

# Silenced, the same steps: a spin, a right letter.
xdotool key ctrl+m
sleep 0.3
start_recording "$work/muted.raw"
xdotool key space
sleep $((pace * 5))
name_a_right_letter
stop_recording
level=$(listen quiet "$work/muted.raw") ||
  { echo "Ctrl+M left the table's sound on: the loudest sample at $level" >&2; exit 1; }
echo "after Ctrl+M: $level"

# And sound again: the next spin is heard.
xdotool key ctrl+m
sleep 0.3
heard_turn "$work/again.raw"
heard_whole "$work/again.raw"
status=0
listen spin "$work/again.raw" "$sounds" || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 3 ] ||
  { echo "Ctrl+M again did not bring the drum's sound back" >&2; exit 1; }

# The drum's clacks go to the sound server for the whole turn as it starts:
# Ctrl+M while it turns (13 frames at the least, 650 ms) must take back what
# is still to come, the stop's knock too. A person with three cells opened by
# now is offered the boxes first: the left one, and its sound dies away.
xdotool key 1
sleep $((pace * 3))
start_recording "$work/cut.raw"
xdotool key space
sleep 0.35
xdotool key ctrl+m
sleep $((pace * 3))
stop_recording
level=$(listen cut "$work/cut.raw" 0.5) ||
  { echo "Ctrl+M left a turning drum's clacks sounding: $level" >&2; exit 1; }
echo "Ctrl+M while the drum turned: $level after it"

kill -0 "$pid" || { echo "the game ended during the test" >&2; exit 1; }
if grep -q 'kordamir:' "$work/stderr"; then
  echo "the game complained about its sound:" >&2
  cat "$work/stderr" >&2
  exit 1
fi

# The sound server goes away at the table, sound on: the turns go on,
# silent, and the game says so once. Where the last stop wants a letter,
# the first Space does nothing and the letter comes before the next spin.
xdotool key ctrl+m
sleep 0.3
stop_sound_server
for turn in 1 2; do
  xdotool key space
  sleep $((pace * 3))
  name_a_right_letter
done
kill -0 "$pid" || { echo "the game ended when the sound server went away" >&2; exit 1; }
lines=$(grep -c 'kordamir:' "$work/stderr" || true)
[ "$lines" -le 1 ] || {
  echo "more than one line about the lost sound:" >&2
  cat "$work/stderr" >&2
  exit 1
}
echo "the table heard: clacks in step, the stop, the sector, the chime; Ctrl+M silenced it;"
echo "without its sound server the table played on ($lines line on stderr)"
grep 'kordamir:' "$work/stderr" || true
