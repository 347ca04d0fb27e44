#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a package installs it: `cmake --install` into a scratch DESTDIR,
# in the places the Debian policy gives a game (the program in /usr/games,
# its data in /usr/share/games), with share/ made read only, started from an
# unrelated working directory by a player with a home of their own. It must
# find its pictures (the start window comes up instead of the missing-file
# box) and its topics (a tournament reaches the game table), and keep its
# records in the player's data folder, leaving share/ exactly as installed;
# without a usable home it writes nothing anywhere.
set -euo pipefail
build=$1
source "$(dirname "$0")/lib.sh"

scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
share="$scratch/root/usr/share/games/kordamir"
program="$scratch/root/usr/games/kordamir"
for file in "$program" "$share/Cfg.ini" "$share/Scr/Osn.res" \
    "$scratch/root/usr/share/man/man6/kordamir.6.gz" "$scratch/root/usr/share/man/ru/man6/kordamir.6.gz" \
    "$scratch/root/usr/share/metainfo/io.github.kordamir.Kordamir.metainfo.xml" \
    "$scratch/root/usr/share/applications/io.github.kordamir.Kordamir.desktop"; do
  [ -f "$file" ] || { echo "not installed: ${file#"$scratch/root"}" >&2; exit 1; }
done
strays=$(cd "$scratch/root" && find usr/bin usr/share/kordamir -mindepth 0 2>/dev/null || true)
[ -z "$strays" ] || { echo "installed outside the game's places: $strays" >&2; exit 1; }
chmod -R a-w "$scratch/root/usr/share"
before=$(cd "$share" && find . -printf '%p %s %T@\n' | sort)

export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data"
mkdir -p "$HOME" "$scratch/elsewhere"
cd "$scratch/elsewhere"
records="$XDG_DATA_HOME/kordamir/Cfg.ini"

"$program" &
pid=$!
start=$(wait_for_window '^Кордамир$' 60)

# Рекорды: the records window reads the table, seeded from the installed one.
read -r x y < <(start_picture_point "$start" $(place_centre records))
click_at "$x" "$y"
for _ in $(seq 100); do [ -f "$records" ] && break; sleep 0.1; done
cmp "$records" "$share/Cfg.ini" || { echo "records not seeded into $records" >&2; exit 1; }
[ -w "$records" ] || { echo "$records is not writable" >&2; exit 1; }

# Меню, back to the start window; Новая игра, and OK on the names it offers.
recordsWindow=$(wait_for_window '^Кордамир$')
read -r x y < <(start_picture_point "$recordsWindow" $(place_centre recordsMenu))
click_at "$x" "$y"
sleep 1
start=$(wait_for_window '^Кордамир$')
setup=$(open_setup "$start")
sleep 0.5
# OK spans the bottom of the setup's frame.
read -r x y < <(window_point "$setup" $(place_centre setupOk))
click_at "$x" "$y"

# The game table fills the screen; the missing-topics box would be small and
# would end the program.
table=
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --name '^Кордамир$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" -ge 1024 ] && [ "$id" != "$start" ]; then table=$id; fi
  done
  [ -n "$table" ] && break
  sleep 0.1
done
[ -n "$table" ] || { echo "no game table after the setup" >&2; exit 1; }
sleep 2
kill -0 "$pid" || { echo "the program ended at the game table" >&2; exit 1; }
for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
  eval "$(xdotool getwindowgeometry --shell "$id")"
  if [ "$WIDTH" -lt 800 ]; then
    echo "a message box is open: $(xdotool getwindowname "$id")" >&2
    exit 1
  fi
done

after=$(cd "$share" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || { echo "share/ changed under the game" >&2; exit 1; }
[ -z "$(ls -A "$scratch/elsewhere")" ] || { echo "files left in the working directory" >&2; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# Players without a usable home: relative XDG values with a home that does
# not exist, then no HOME at all (root from a bare shell). The records are
# still shown, but nothing of the game's is written: not below the working
# directory, not into the missing home (which is never made), not at the
# root of the file system.
atRoot() { ls -d /.local/share/kordamir /.cache/kordamir 2>/dev/null || true; }
rootBefore=$(atRoot)
for home in missing unset; do
  if [ "$home" = missing ]; then
    settings=(HOME="$scratch/gone" XDG_DATA_HOME=rel-data XDG_CACHE_HOME=rel-cache)
  else
    settings=(-u HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME)
  fi
  env "${settings[@]}" "$program" &
  pid=$!
  start=$(wait_for_window '^Кордамир$' 60)
  read -r x y < <(start_picture_point "$start" $(place_centre records))
  click_at "$x" "$y"
  wait_for_window_gone "$start"
  wait_for_window '^Кордамир$' >/dev/null
  sleep 1
  kill -0 "$pid" || { echo "home $home: the program ended at the records" >&2; exit 1; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  for made in "$scratch/gone" "$scratch/elsewhere/rel-data" "$scratch/elsewhere/rel-cache/kordamir"; do
    [ ! -e "$made" ] || { echo "home $home: the game made ${made#"$scratch/"}" >&2; exit 1; }
  done
  [ "$(atRoot)" = "$rootBefore" ] || { echo "home $home: the game wrote at the root: $(atRoot)" >&2; exit 1; }
done
after=$(cd "$share" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || { echo "share/ changed under a game without a home" >&2; exit 1; }
echo "installed game started, reached the game table, records in $records; without a home nothing written"
