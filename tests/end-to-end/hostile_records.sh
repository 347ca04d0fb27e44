#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program over a copy of Data whose records file is a FIFO, beside
# copies left by killed writes: start-up removes those copies and nothing
# else, and "Рекорды" shows the table with a box instead of waiting on the
# FIFO for good; the FIFO is left as it is.
set -euo pipefail
program=$1
data=$2
source "$(dirname "$0")/lib.sh"

copy=$(mktemp -d)
cp "$program" "$copy/"
cp -r "$data" "$copy/Data"
rm -f "$copy/Data/Cfg.ini"
mkfifo "$copy/Data/Cfg.ini"
# A copy of the game's own from a write killed an hour ago, and the player's
# own backups, one of them named like the toolkit's copies.
echo left > "$copy/Data/.Cfg.ini.kordamir-AbCdEf"
touch -d '1 hour ago' "$copy/Data/.Cfg.ini.kordamir-AbCdEf"
echo kept > "$copy/Data/Cfg.ini.bak"
echo kept > "$copy/Data/Cfg.ini.backup"

"$copy/$(basename "$program")" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$copy"' EXIT

window=$(wait_for_window '^Кордамир$')
# The copies go right after the start window is shown.
for _ in $(seq 50); do
  [ -e "$copy/Data/.Cfg.ini.kordamir-AbCdEf" ] || break
  sleep 0.1
done
if [ -e "$copy/Data/.Cfg.ini.kordamir-AbCdEf" ] || [ ! -e "$copy/Data/Cfg.ini.bak" ] \
  || [ ! -e "$copy/Data/Cfg.ini.backup" ]; then
  echo "start-up did not remove exactly the leftover copy" >&2
  exit 1
fi
read -r x y < <(start_picture_point "$window" $(place_centre records))
click_at "$x" "$y"
# The records window and its box, both titled "Кордамир".
for _ in $(seq 50); do
  [ "$(xdotool search --onlyvisible --name '^Кордамир$' 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
if [ "$(xdotool search --onlyvisible --name '^Кордамир$' 2>/dev/null | wc -l)" -lt 2 ]; then
  echo "no box within 5 s: the program waits on the FIFO" >&2
  exit 1
fi
[ -p "$copy/Data/Cfg.ini" ] || { echo "the FIFO was replaced" >&2; exit 1; }
echo "leftover removed, FIFO left alone, the table and its box shown"
