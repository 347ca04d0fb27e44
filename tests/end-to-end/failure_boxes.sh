#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every box the game can show, reached in the real program and answered
# through the real box, on whatever desktop the caller runs (a bare X server
# or one under a window manager). Each scenario ends as the game says it
# does, with no crash, and nothing of the records is lost.
#
#   failure_boxes.sh PROGRAM DATA DENY_LIBRARY SCENARIO
set -euo pipefail
program=$1
data=$2
deny_library=$3
scenario=$4
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
cp "$program" "$work/kordamir"
cp -r "$data" "$work/Data"
rm -f "$work/Data/Cfg.ini"
cd "$work"
export KORDAMIR_DENY_RECORDS="$work/deny"
: >"$work/deny"
# The refusing library goes before the sanitizer's runtime in a sanitizer build.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; cd /; rm -rf "$work"' EXIT

screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
small=$((screen_width * 8 / 10))
cyrillic=ОЕАИНТСРВЛКМДПУЯЫЬГЗБЧЙХЖШЮЦЩЭФЪ
records_text='Ада\r\n300\r\nБорис\r\n200\r\nВера\r\n100\r\n'


topic() {
  rm -f Data/Baz/*.dat
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP1251 >"Data/Baz/Тест.dat"
}

records() {
  printf "$records_text" | iconv -f UTF-8 -t CP1251 >Data/Cfg.ini
}

launch() {
  LD_PRELOAD="$deny_library${LD_PRELOAD:+:$LD_PRELOAD}" ./kordamir 2>"$work/stderr" &
  pid=$!
  start=$(wait_for_window '^Кордамир$')
  pause 0.5
  focus_window "$start"
}

# The box that comes up after keys $1... are pressed on the window that has
# the keyboard; prints its id.
box_after() {
  local before id
  before=$(visible_windows .)
  xdotool key --delay 60 "$@"
  for _ in $(seq 200); do
    for id in $(visible_windows .); do
      grep -qx "$id" <<<"$before" && continue
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ "$WIDTH" -gt 1 ] && [ "$WIDTH" -lt "$small" ]; then
        echo "$id"
        return 0
      fi
    done
    pause 0.1
  done
  echo "no box came up after $*" >&2
  return 1
}

click_start_entry() {   # 1 "Новая игра", 2 "Рекорды", 4 "Выход"
  local window x y
  window=$(wait_for_window '^Кордамир$')
  read -r x y < <(start_picture_point "$window" $(place_centre "$(menu_entry_place "$1")"))
  click_at "$x" "$y"
}

# "Меню" of the records window, then "Выход": the program must end cleanly.
records_to_menu_and_leave() {
  local window x y
  window=$(wide_window)
  read -r x y < <(start_picture_point "$window" $(place_centre recordsMenu))
  click_at "$x" "$y"
  pause 1
  click_start_entry 4
  expect_clean_exit "$pid"
  pid=""
}

wide_window() {
  local id
  for id in $(visible_windows '^Кордамир$'); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -ge "$small" ] && { echo "$id"; return 0; }
  done
  return 1
}

# The player setup window, OK at once with the names it offers.
setup_ok() {
  local setup
  setup=$(wait_for_small_window "$small")
  pause 0.5
  focus_window "$setup"
  xdotool key Tab Tab Tab Return
}

# Plays a stage blind with the keyboard until the next small window (the
# next setup or a box) comes up or the records file changes; every key acts
# only where its control is there.
play_stage() {
  local before round
  before=$(visible_windows .)
  for round in $(seq 60); do
    for id in $(visible_windows .); do
      grep -qx "$id" <<<"$before" && continue
      eval "$(xdotool getwindowgeometry --shell "$id")"
      [ "$WIDTH" -gt 1 ] && [ "$WIDTH" -lt "$small" ] && return 0
    done
    [ -n "${1:-}" ] && ! cmp -s "$1" Data/Cfg.ini 2>/dev/null && return 0
    xdotool key space
    pause 3
    xdotool type --delay 25 "$cyrillic"
    xdotool key --delay 25 1 2 3 4 5 6 7 8 9 0 minus
    pause 0.3
  done
  echo "stage did not end" >&2
  return 1
}

# A whole tournament of one-letter words, from the menu to the records window.
play_tournament() {
  local watch=${1:-}
  click_start_entry 1
  for stage in 1 2 3 4; do
    setup_ok
    pause 1.5
    play_stage "$watch"
  done
}

# The icon a window shows in its frame and the task bar.
icon_of() {
  xprop -id "$1" _NET_WM_ICON 2>/dev/null | md5sum
}
has_game_icon() {
  xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -aq 'Icon (64 x 64)'
}

case $scenario in
no-topic|no-word)
  # Only files that are not topics, or a topic with no word at all.
  rm -f Data/Baz/*.dat
  echo "не тема" >Data/Baz/readme.txt
  [ "$scenario" = no-word ] && : >"Data/Baz/Пусто.dat"
  launch
  click_start_entry 1
  setup=$(wait_for_small_window "$small")
  pause 0.5
  focus_window "$setup"
  box=$(box_after Tab Tab Tab Return)
  press_in "$box" Return
  expect_clean_exit "$pid"
  pid=""
  echo "$scenario: the box named the fault, OK ended the program"
  ;;
names)
  launch
  click_start_entry 1
  setup=$(wait_for_small_window "$small")
  pause 0.5
  focus_window "$setup"
  # An empty name: the box, and the setup stays.
  box=$(box_after ctrl+a BackSpace Tab Tab Tab Return)
  # Every window shows the game's icon: the menu entry's drawing, in its sizes.
  for window in "$start" "$setup" "$box"; do
    if ! eventually 5 has_game_icon "$window"; then
      echo "window $window has no icon of ours:" >&2
      xprop -id "$window" WM_NAME _NET_WM_ICON | head -n 3 >&2
      exit 1
    fi
  done
  [ "$(icon_of "$setup")" = "$(icon_of "$start")" ] && [ "$(icon_of "$box")" = "$(icon_of "$start")" ] \
    || { echo "the windows show different icons" >&2; exit 1; }
  press_in "$box" Return
  wait_for_window_gone "$box"
  visible_windows . | grep -qx "$setup" || { echo "the setup window went with the box" >&2; exit 1; }
  # Esc asks; "Нет" (Esc, or Enter: the default) keeps the setup, "Да" leaves
  # for the menu.
  focus_window "$setup"
  box=$(box_after Escape)
  press_in "$box" Escape
  wait_for_window_gone "$box"
  visible_windows . | grep -qx "$setup" || { echo "Нет did not keep the setup" >&2; exit 1; }
  focus_window "$setup"
  box=$(box_after Escape)
  press_in "$box" Tab Return   # "Нет" is the default: Tab goes to "Да"
  wait_for_window_gone "$setup"
  click_start_entry 4
  expect_clean_exit "$pid"
  pid=""
  echo "names: the empty-name box and the Esc question answered through the real boxes"
  ;;
say-word)
  add_russian_keys
  topic 1 КОТ
  launch
  click_start_entry 1
  setup_ok
  pause 2
  # Enter says the word: a wrong one first, then (the next seat) the right one.
  box=$(box_after Return)
  focus_window "$box"
  xdotool type --delay 40 ПЁС
  xdotool key Return
  wait_for_window_gone "$box"
  pause 4
  table=$(wide_window)
  focus_window "$table"
  box=$(box_after Return)
  focus_window "$box"
  xdotool type --delay 40 кот
  xdotool key Return
  wait_for_window_gone "$box"
  pause 2
  kill -0 "$pid" || { echo "the program ended after the word was said" >&2; exit 1; }
  # Esc on the table (now the next trio's setup, or the table) asks before
  # the tournament is left; Enter is "Нет".
  table=$(visible_windows '^Кордамир$' | tail -n 1)
  focus_window "$table"
  box=$(box_after Escape)
  press_in "$box" Return
  wait_for_window_gone "$box"
  kill -0 "$pid" || { echo "Нет ended the program" >&2; exit 1; }
  focus_window "$table"
  box=$(box_after Escape)
  press_in "$box" Tab Return
  wait_for_window_gone "$box"
  pause 1
  click_start_entry 4
  expect_clean_exit "$pid"
  pid=""
  echo "say-word: the input box answered twice, the Esc question, Выход"
  ;;
records-menu-fifo|records-menu-unreadable|records-menu-damaged)
  case $scenario in
  *fifo) mkfifo Data/Cfg.ini ;;
  *unreadable) records; echo read >deny ;;
  *damaged) head -c 3000 /dev/urandom >Data/Cfg.ini ;;
  esac
  cp -a Data/Cfg.ini "$work/before" 2>/dev/null || true
  launch
  if [ "$scenario" = records-menu-damaged ]; then
    click_start_entry 2
    pause 2
    wide_window >/dev/null || { echo "no records window" >&2; exit 1; }
  else
    focus_window "$start"
    box=$(box_after Down Return)
    press_in "$box" Return
    wait_for_window_gone "$box"
  fi
  records_to_menu_and_leave
  case $scenario in
  *fifo) [ -p Data/Cfg.ini ] || { echo "the FIFO was replaced" >&2; exit 1; } ;;
  *) cmp Data/Cfg.ini "$work/before" || { echo "the records file was changed" >&2; exit 1; } ;;
  esac
  echo "$scenario: the table shown, the file left as it was, Меню and Выход ended the program"
  ;;
records-final-*)
  add_russian_keys
  topic 1 О
  records
  case $scenario in
  *fifo) rm Data/Cfg.ini; mkfifo Data/Cfg.ini ;;
  *unreadable) echo read >deny ;;
  *unwritable) echo write >deny ;;
  *damaged) head -c 3000 /dev/urandom >Data/Cfg.ini ;;
  esac
  cp -a Data/Cfg.ini "$work/before"
  launch
  if [ "$scenario" = records-final-damaged ]; then
    play_tournament "$work/before"
    # The damaged file gives way to the table it held, the champion entered.
    for _ in $(seq 50); do cmp -s Data/Cfg.ini "$work/before" || break; sleep 0.1; done
    iconv -f CP1251 -t UTF-8 Data/Cfg.ini | grep -q 'Игрок' || { echo "the champion was not written" >&2; exit 1; }
  else
    play_tournament
    box=$(small_game_window "$small" || visible_windows . | tail -n 1)
    press_in "$box" Return
    wait_for_window_gone "$box"
    case $scenario in
    *fifo) [ -p Data/Cfg.ini ] || { echo "the FIFO was replaced" >&2; exit 1; } ;;
    *) cmp Data/Cfg.ini "$work/before" || { echo "the records file was changed" >&2; exit 1; } ;;
    esac
  fi
  pause 1
  records_to_menu_and_leave
  echo "$scenario: a whole tournament, the records window and its box, no record lost"
  ;;
*)
  echo "unknown scenario $scenario" >&2
  exit 2
  ;;
esac
