#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Records what a whole tournament sounds like: the real program plays three
# trios of computers and the final at its own pace (about a quarter of an
# hour, then a few minutes to name the sounds heard), on a private Xvfb and
# a private sound server whose null sink is recorded.
#
#   tools/record-tournament.sh [--game PROGRAM] [--data DATA] FOLDER [WORD]
#
# WORD (ЛАМПА unless given) is the only word of the topic, so every stage
# plays it. FOLDER gets:
#   tournament.wav       the whole recording (48 kHz, 16-bit, mono)
#   stage-1.wav … stage-3.wav, final.wav
#                        each stage from its setup's OK to the next one's,
#                        the final to the records window's greeting
#   *.png                a spectrogram of each (sox)
#   heard.txt            each message of the message line, and each step
#                        taken, at its time in the recording
#   timeline.txt         those messages with the sounds heard between them,
#                        each named after the game's sound file it is most
#                        like (likeness 0 to 1), the drum's clacks as one run
#   summary.txt          per stage: length, loudest sample, clipped samples,
#                        breaks in the sound
# Needs what the tests need (tools/install-deps.sh): Xvfb, pulseaudio,
# pulseaudio-utils, sox, python3-pyatspi and at-spi2-core.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
root=$(dirname "$here")

game=$root/build/default/kordamir
data=""
arguments=()
while [ $# -gt 0 ]; do
  case $1 in
    --game) game=$(readlink -f "$2"); shift 2 ;;
    --data) data=$(readlink -f "$2"); shift 2 ;;
    -h | --help) sed -n '5,27p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "record-tournament.sh: unknown option $1" >&2; exit 2 ;;
    *) arguments+=("$1"); shift ;;
  esac
done
if [ ${#arguments[@]} -lt 1 ] || [ ${#arguments[@]} -gt 2 ]; then
  sed -n '5,27p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
mkdir -p "${arguments[0]}"
out=$(readlink -f "${arguments[0]}")
word=${arguments[1]:-ЛАМПА}
data=${data:-$(dirname "$game")/Data}
[ -x "$game" ] || { echo "record-tournament.sh: no program at $game (build it first)" >&2; exit 1; }

# A display of its own, then an accessibility bus of its own.
if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tools/with-xvfb.sh" bash "$0" --game "$game" --data "$data" "$out" "$word"
fi
tests=$root/tests/end-to-end
source "$tests/lib.sh"
source "$tests/sound_server.sh"
on_own_accessibility_bus --game "$game" --data "$data" "$out" "$word"
export LC_ALL=C.UTF-8

work=$(mktemp -d)
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  stop_sound_server
  rm -rf "$work"
}
trap cleanup EXIT
# The player's folders lie in the work folder too: nothing of yours is read.
start_sound_server "$work/sound"

cp "$game" "$work/kordamir"
cp -r "$data" "$work/Data"
rm -f "$work/Data/Baz/"*.dat "$work/Data/Cfg.ini"
printf '1\r\n%s\r\n' "$word" | iconv -f UTF-8 -t CP1251 >"$work/Data/Baz/Тест.dat"
# The game starts once the recorder listens, and is found on the bus.
export KORDAMIR_LISTENING=$work/listening
(
  cd "$work"
  wait_until_listening
  exec ./kordamir
) >"$out/game.log" 2>&1 &
pid=$!
echo "playing a tournament of computers on the word $word, at the game's pace..." >&2
"$python" "$here/record_tournament.py" "$work/tournament.raw" "$out/heard.txt"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

raw() { sox -t raw -r 48000 -e signed -b 16 -c 1 "$@"; }
raw "$work/tournament.raw" "$out/tournament.wav"
# Each stage from its "begins" mark to the next one's; the final to the end.
mapfile -t starts < <(awk '/\[stage [0-9] begins\]/ { print $1 }' "$out/heard.txt")
names=(stage-1 stage-2 stage-3 final)
listeners=()
for i in 0 1 2 3; do
  from=${starts[$i]}
  to=${starts[$((i + 1))]:-}
  name=${names[$i]}
  raw "$work/tournament.raw" "$work/$name.raw" trim "$from" ${to:+"=$to"}
  raw "$work/$name.raw" "$out/$name.wav"
  sox "$out/$name.wav" -n spectrogram -x 1600 -y 400 -t "$name" -o "$out/$name.png"
  # Naming the sounds takes minutes a stage: the stages side by side.
  (
    echo "$name: $("$python" "$tests/listen.py" summary "$work/$name.raw")" >"$work/$name.summary"
    {
      echo "== $name"
      "$python" "$tests/listen.py" sounds "$work/$name.raw" "$data/Zvuk" "$from" |
        sort -n -m - <(awk -v a="$from" -v b="${to:-1e9}" '$1 >= a && $1 < b' "$out/heard.txt")
    } >"$work/$name.timeline"
  ) &
  listeners+=($!)
done
for listener in "${listeners[@]}"; do
  wait "$listener"
done
for name in "${names[@]}"; do
  cat "$work/$name.summary"
done >"$out/summary.txt"
for name in "${names[@]}"; do
  cat "$work/$name.timeline"
done >"$out/timeline.txt"
cat "$out/summary.txt"
echo "written to $out" >&2
