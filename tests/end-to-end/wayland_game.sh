#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a Wayland desktop (run by tools/with-weston.sh), with
# no X display of its own: it speaks Wayland alone. Its windows cannot be
# found from outside there, so each scenario is a fixed path of keys whose
# end, the program ending by "Выход" with status 0, is reached only when
# every step on the way did what it should; each box on the way is told
# from the others by its text, read on the accessibility bus.
#
#   wayland_game.sh PROGRAM DATA DENY_LIBRARY SCENARIO
set -euo pipefail
program=$1
data=$2
deny_library=$3
scenario=$4
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"

on_own_accessibility_bus "$@"
# A sanitizer build runs several times slower: every wait grows with it.
pace=${KORDAMIR_E2E_PACE:-1}

# Waits for the box that says $1 (Debian's own interpreter has pyatspi).
box_says() {
  "$python" "$here/atspi_box.py" shown "$1"
}

work=$(mktemp -d)
cp "$program" "$work/kordamir"
cp -r "$data" "$work/Data"
rm -f "$work/Data/Cfg.ini"
cd "$work"
export KORDAMIR_DENY_RECORDS="$work/deny"
: >"$work/deny"
# The deny library is preloaded ahead of the sanitizer's runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
pid=""
# A step that failed shows what the game said: a crash on the way, say.
finish() {
  local status=$?
  if [ "$status" -ne 0 ] && [ -s "$work/stderr" ]; then
    echo "the game said:" >&2
    cat "$work/stderr" >&2
  fi
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  cd /
  rm -rf "$work"
}
trap finish EXIT


launch() {
  env -u DISPLAY -u QT_QPA_PLATFORM LD_PRELOAD="$deny_library${LD_PRELOAD:+:$LD_PRELOAD}" \
    ./kordamir 2>"$work/stderr" &
  pid=$!
  pause 4
}

keys() {
  xdotool key --delay 80 "$@"
  pause 2
}

leave() {
  if ! expect_clean_exit "$pid" $((15 * pace)); then
    return 1
  fi
  pid=""
  # The toolkit's warnings would flood a player's terminal (the window
  # opacity the platform does not have, once per step of a fade).
  if grep -q 'does not support' "$work/stderr"; then
    echo "the platform warned" >&2
    return 1
  fi
}

case $scenario in
tournament|tournament-unwritable)
  printf '1\r\nКОТ\r\n' | iconv -f UTF-8 -t CP1251 >"Data/Baz/Тест.dat"
  find Data/Baz -name '*.dat' ! -name 'Тест.dat' -delete
  # A word said at once scores nothing: a table of results below zero lets
  # the champion's 0 in at the top, as any better result would.
  printf 'Ада\r\n-1\r\nБорис\r\n-2\r\nВера\r\n-3\r\nГена\r\n-4\r\n' | iconv -f UTF-8 -t CP1251 >Data/Cfg.ini
  cp Data/Cfg.ini "$work/before"
  [ "$scenario" = tournament-unwritable ] && echo write >deny
  launch
  keys Up Up Return          # "Автор"
  keys Escape                # About closes; "Автор" stays highlighted
  keys Up Return             # "Рекорды"
  keys Escape                # back to a new menu
  keys Return           # "Новая игра"
  for stage in 1 2 3 final; do
    keys Tab Tab Tab Return  # the names as offered (the winners in the final)
    pause 2
    if [ "$stage" = 1 ]; then
      keys Escape            # "Закончить игру?"
      box_says 'Закончить игру?'
      keys Return            # "Нет", the default: the word goes on
    fi
    keys Return              # "Скажу слово"
    box_says 'Назовите слово:'
    xdotool type --delay 60 rjn
    keys Return              # the word is won
    keys Return              # on: the next setup, or the records after the final
    pause 1
  done
  if [ "$scenario" = tournament-unwritable ]; then
    box_says 'Не удалось сохранить таблицу рекордов'
    keys Return              # OK: the records window
    cmp Data/Cfg.ini "$work/before" || { echo "the records file was changed" >&2; exit 1; }
    keys Escape
    keys Up Return
    leave
    echo "tournament-unwritable: the final's box on Wayland, the records left as they were"
    exit 0
  fi
  # The champion, the final's first seat, takes the top entry; the rest stay.
  champion_on_top() { iconv -f CP1251 -t UTF-8 Data/Cfg.ini | head -n 1 | grep -q Игрок; }
  eventually $((5 * pace)) champion_on_top || true
  iconv -f CP1251 -t UTF-8 Data/Cfg.ini | tr -d '\r' | tr '\n' ' ' | grep -Eq '^Игрок [0-9] 0 Борис -2 Вера -3 Гена -4 ' ||
    { echo "the champion was not written:" >&2; iconv -f CP1251 -t UTF-8 Data/Cfg.ini >&2; exit 1; }
  keys Escape                # the records window's «Меню»
  keys Up Return             # "Выход"
  leave
  echo "tournament: About, the records, the Esc question, three trios and the final won by saying the word, the champion in the records, Выход, on Wayland"
  ;;
no-word)
  find Data/Baz -name '*.dat' -delete
  : >"Data/Baz/Пусто.dat"
  launch
  keys Return
  keys Tab Tab Tab Return    # the table's load finds no word: the box
  box_says 'не содержит слова'
  keys Return                # OK ends the program
  leave
  echo "no-word: the box on Wayland, OK ended the program"
  ;;
records-unreadable)
  printf 'Ада\r\n300\r\n' | iconv -f UTF-8 -t CP1251 >Data/Cfg.ini
  cp Data/Cfg.ini "$work/before"
  echo read >deny
  launch
  keys Down Return      # "Рекорды": the table and its box
  box_says 'Не удалось прочитать таблицу рекордов'
  keys Return                # OK
  keys Escape                # the menu
  keys Up Return             # "Выход"
  leave
  cmp Data/Cfg.ini "$work/before"
  echo "records-unreadable: the box on Wayland, the file left as it was"
  ;;
missing-picture)
  rm Data/PolB/7.res
  launch
  box_says 'Один из файлов программы не найден!'
  keys Return                # OK ends the program
  leave
  echo "missing-picture: the box on Wayland, OK ended the program"
  ;;
no-topic)
  find Data/Baz -name '*.dat' -delete
  echo "не тема" >Data/Baz/readme.txt
  launch
  keys Return
  keys Tab Tab Tab Return    # the table's load finds no topic: the box
  box_says 'не найдена база данных'
  keys Return                # OK ends the program
  leave
  echo "no-topic: the box on Wayland, OK ended the program"
  ;;
names)
  launch
  keys Return           # "Новая игра"
  keys ctrl+a BackSpace Tab Tab Tab Return
  box_says 'Вы заполнили не все поля!'
  keys Return                # OK: the setup stays
  keys Escape
  box_says 'Закончить игру?'
  keys Tab Return            # "Да": the menu
  keys Up Return             # "Выход"
  leave
  echo "names: the empty-name box and the Esc question on Wayland"
  ;;
records-fifo|records-damaged)
  case $scenario in
  *fifo) rm -f Data/Cfg.ini; mkfifo Data/Cfg.ini ;;
  *damaged) head -c 3000 /dev/urandom >Data/Cfg.ini; cp Data/Cfg.ini "$work/before" ;;
  esac
  launch
  keys Down Return      # "Рекорды"
  if [ "$scenario" = records-fifo ]; then
    box_says 'Не удалось прочитать таблицу рекордов'
    keys Return              # OK
  fi
  keys Escape                # the menu
  keys Up Return             # "Выход"
  leave
  case $scenario in
  *fifo) [ -p Data/Cfg.ini ] || { echo "the FIFO was replaced" >&2; exit 1; } ;;
  *) cmp Data/Cfg.ini "$work/before" ;;
  esac
  echo "$scenario: the records on Wayland, the file left as it was"
  ;;
*)
  echo "unknown scenario $scenario" >&2
  exit 2
  ;;
esac
