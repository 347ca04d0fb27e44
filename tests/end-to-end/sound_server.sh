# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A sound server of the test's own, for the scripts that listen to the real
# program (sourced, after lib.sh): PulseAudio with one null sink, "game",
# whose monitor is recorded. Everything lives in the folder the script gives
# start_sound_server; the script's own cleanup calls stop_sound_server.

sound_work=""
sound_server=""
sound_recorder=""

# Starts the server, with the player's folders below $1 (HOME, the config
# folder, the runtime folder), and waits until it answers.
start_sound_server() {
  sound_work=$1
  export HOME=$sound_work/home XDG_CONFIG_HOME=$sound_work/config XDG_RUNTIME_DIR=$sound_work/run
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  # As root in a container, shared memory between client and server fails
  # without a word and the recording is silent: the socket carries the sound.
  cat >"$sound_work/client.conf" <<CONF
enable-shm = no
enable-memfd = no
autospawn = no
CONF
  export PULSE_CLIENTCONFIG=$sound_work/client.conf PULSE_SERVER=unix:$sound_work/pulse-socket
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    --log-target=stderr --log-level=error \
    -L "module-null-sink sink_name=game rate=48000" \
    -L "module-native-protocol-unix socket=$sound_work/pulse-socket auth-anonymous=1" \
    >"$sound_work/pulse.log" 2>&1 &
  sound_server=$!
  eventually 10 sound_server_answers
}

sound_server_answers() {
  pactl info >/dev/null 2>&1
}

# Ends the recorder and the server, whichever runs.
stop_sound_server() {
  local process
  for process in $sound_recorder $sound_server; do
    kill "$process" 2>/dev/null || true
    wait "$process" 2>/dev/null || true
  done
  sound_recorder=""
  sound_server=""
}

# Records the sink into file $1 (raw: 48 kHz, 16-bit, one channel) until
# stop_recording; returns once the recorder is capturing.
start_recording() {
  parec -d game.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=20 >"$1" &
  sound_recorder=$!
  eventually 10 test -s "$1"
  sleep 0.2
}

stop_recording() {
  kill "$sound_recorder" 2>/dev/null || true
  wait "$sound_recorder" 2>/dev/null || true
  sound_recorder=""
}

# Prints how many sounds began in recording $1: the 10 ms windows whose
# level rises above -50 dBFS after a quieter one.
count_sounds() {
  sox -t raw -r 48000 -e signed -b 16 -c 1 "$1" -t dat - 2>/dev/null | awk '
    /^;/ { next }
    { v = $2 < 0 ? -$2 : $2; if (v > peak) peak = v; if (++n == 480) { print peak; peak = 0; n = 0 } }
  ' | awk -v level=0.0032 '
    { loud = $1 > level; if (loud && !was) onsets++; was = loud }
    END { print onsets + 0 }'
}
