#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One word played as a screen reader's user plays it: on a private session
# and accessibility bus, the real program is driven through AT-SPI alone (the
# press actions of the menu, the setup, the table and the say-word box, and
# the names typed as editable text), with no mouse and no key. At every step
# the table's tree is walked: no closed letter can be read, every control is
# named with its role and action, and every message of the message line
# reaches an AT-SPI listener as an event carrying its text.
set -euo pipefail
program=$1
data=$2
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"

on_own_accessibility_bus "$@"

work=$(mktemp -d)
cp "$program" "$work/kordamir"
cp -r "$data" "$work/Data"
# One short word, so that the test knows what it must never read early.
word=ТОН
rm -f "$work/Data/Baz/"*.dat "$work/Data/Cfg.ini"
printf '1\r\n%s\r\n' "$word" | iconv -f UTF-8 -t CP1251 >"$work/Data/Baz/Тест.dat"
cd "$work"

# The game starts once the test listens, and the test finds it on the bus.
export KORDAMIR_LISTENING=$work/listening
{
  wait_until_listening
  exec ./kordamir --mute
} &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

"$python" "$here/atspi_word.py" "$word"
kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT
