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

work=$(mktemp -d)
cd "$work"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
# As root in a container, shared memory between client and server fails
# without a word and the recording is silent: the socket carries the sound.
cat >"$work/client.conf" <<CONF
enable-shm = no
enable-memfd = no
autospawn = no
CONF
export PULSE_CLIENTCONFIG=$work/client.conf PULSE_SERVER=unix:$work/pulse-socket

pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
  --log-target=stderr --log-level=error \
  -L "module-null-sink sink_name=game rate=48000" \
  -L "module-native-protocol-unix socket=$work/pulse-socket auth-anonymous=1" >"$work/pulse.log" 2>&1 &
server=$!
pid=""
recorder=""
cleanup() {
  for process in $pid $recorder $server; do
    kill "$process" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
eventually 10 pactl info >/dev/null

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
  parec -d game.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=20 >"$work/walk.raw" &
  recorder=$!
  # The walk begins once the recorder is capturing, not after a guess.
  eventually 10 test -s "$work/walk.raw"
  sleep 0.2
  local entry x y
  read -r x y < <(start_picture_point "$window" 300 150)
  xdotool mousemove "$x" "$y"
  sleep 0.4
  for entry in 1 2 3 4; do
    read -r x y < <(start_picture_point "$window" $((548 + 112)) $((296 + 68 * (entry - 1) + 30)))
    xdotool mousemove "$x" "$y"
    sleep 0.4
  done
  read -r x y < <(start_picture_point "$window" 300 150)
  xdotool mousemove "$x" "$y"
  sleep 0.5
  kill "$recorder"
  wait "$recorder" 2>/dev/null || true
  recorder=""
  sox -t raw -r 48000 -e signed -b 16 -c 1 "$work/walk.raw" -t dat - 2>/dev/null | awk '
    /^;/ { next }
    { v = $2 < 0 ? -$2 : $2; if (v > peak) peak = v; if (++n == 480) { print peak; peak = 0; n = 0 } }
  ' | awk -v level=0.0032 '
    { loud = $1 > level; if (loud && !was) onsets++; was = loud }
    END { print onsets + 0 }'
}

press_m() {
  read -r x y < <(start_picture_point "$window" 300 150)
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool key m
  sleep 0.3
}

leave() {
  read -r x y < <(start_picture_point "$window" $((548 + 112)) $((500 + 30)))
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
kill "$server"
wait "$server" 2>/dev/null || true
server=""
for entry in 1 2 3 4 1 2; do
  read -r x y < <(start_picture_point "$window" $((548 + 112)) $((296 + 68 * (entry - 1) + 30)))
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
