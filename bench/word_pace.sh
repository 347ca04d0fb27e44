#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The pace of a word in the real program against the simulator's figure.
#
#   bench/word_pace.sh [--game PROGRAM] [--sim SIMULATOR] [--data DATA]
#                      [--tournaments N] [--keep DIR] [WORD...]
#
# For each WORD (ЛАМПА and КАРТИНА unless given) the real program (--mute)
# plays one word of three computers on a copy of DATA whose only topic holds
# that word, driven and heard through AT-SPI (bench/word_pace.py) on a
# private session bus, in a private Xvfb when there is no display. Each word
# takes minutes: it goes at the game's own pace. Then the simulator plays N
# tournaments (200 unless given) on that one-word topic. Prints, per word,
# the real spins and seconds, the seconds per spin, what the rules' pace
# gives for the very stops of that run, and the simulator's seconds per spin
# at the game's pace, with the ratio real ÷ simulated. --keep DIR keeps there
# what was heard of each word (each message with its time) and the
# simulator's report.
#
# A benchmark, not a test: the figures are printed, nothing is asserted.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
root=$(dirname "$here")

game=$root/build/default/kordamir
sim=$root/build/default/kordamir-sim
data=""
tournaments=200
keep=""
words=()
while [ $# -gt 0 ]; do
  case $1 in
    --game) game=$(readlink -f "$2"); shift 2 ;;
    --sim) sim=$(readlink -f "$2"); shift 2 ;;
    --data) data=$(readlink -f "$2"); shift 2 ;;
    --tournaments) tournaments=$2; shift 2 ;;
    --keep) mkdir -p "$2"; keep=$(readlink -f "$2"); shift 2 ;;
    -h | --help) sed -n '5,22p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "word_pace.sh: unknown option $1" >&2; exit 2 ;;
    *) words+=("$1"); shift ;;
  esac
done
[ ${#words[@]} -gt 0 ] || words=(ЛАМПА КАРТИНА)
data=${data:-$(dirname "$game")/Data}

# A display of its own unless one is given, then a bus of its own: the
# accessibility bus is started on it and ends with it.
if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tools/with-xvfb.sh" bash "$0" --game "$game" --sim "$sim" --data "$data" \
    --tournaments "$tournaments" ${keep:+--keep "$keep"} "${words[@]}"
fi
if [ -z "${KORDAMIR_OWN_BUS:-}" ]; then
  exec env KORDAMIR_OWN_BUS=1 dbus-run-session -- bash "$0" --game "$game" --sim "$sim" --data "$data" \
    --tournaments "$tournaments" ${keep:+--keep "$keep"} "${words[@]}"
fi
source "$root/tests/end-to-end/lib.sh"

# Debian's own interpreter, which has python3-pyatspi, whatever else is first on PATH.
python=/usr/bin/python3
export LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
work=$(mktemp -d)
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The one topic file, as the game reads topics: Windows-1251, CR LF, the
# count of words first.
write_topic() {
  printf '1\r\n%s\r\n' "$1" | iconv -f UTF-8 -t CP1251 >"$2/Тест.dat"
}

results=()
for word in "${words[@]}"; do
  run="$work/$word"
  mkdir -p "$run"
  cp "$game" "$run/kordamir"
  cp -r "$data" "$run/Data"
  rm -f "$run/Data/Baz/"*.dat "$run/Data/Cfg.ini"
  write_topic "$word" "$run/Data/Baz"
  # The game starts once the listener listens, and is found on the bus.
  export KORDAMIR_LISTENING=$run/listening
  (
    cd "$run"
    export XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/share" XDG_CACHE_HOME="$run/cache"
    wait_until_listening
    exec ./kordamir --mute
  ) >"$run/game.log" 2>&1 &
  pid=$!
  echo "word $word: playing at the game's pace (minutes)..." >&2
  line=$("$python" "$here/word_pace.py" "$word" 2>"$run/heard.txt") || {
    cat "$run/heard.txt" >&2
    exit 1
  }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""

  mkdir -p "$run/topics"
  write_topic "$word" "$run/topics"
  "$sim" --tournaments "$tournaments" --seed 1 --topics "$run/topics" >"$run/sim.txt"
  # The means of "spins per word" and "seconds per word at the game's pace".
  sim_spins=$(awk -F'mean ' '/^spins per word:/ { split($2, a, ","); print a[1] }' "$run/sim.txt")
  sim_seconds=$(awk -F'mean ' '/^seconds per word at the game/ { split($2, a, ","); print a[1] }' "$run/sim.txt")
  results+=("$line	$sim_spins	$sim_seconds")
  if [ -n "$keep" ]; then
    cp "$run/heard.txt" "$keep/heard-$word.txt"
    cp "$run/sim.txt" "$keep/sim-$word.txt"
  fi
  sed 's/^/  /' "$run/heard.txt" | tail -n 3 >&2
done

echo
echo "Real program (--mute, AT-SPI on, $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)) against the simulator ($tournaments tournaments, seed 1):"
echo
printf '| word | spins | seconds | s/spin | pace model for these stops | real ÷ model | letter step (pace 3.000 s) | spin step − pace (timed) | sim spins/word | sim s/word | sim s/spin | real ÷ sim per spin |\n'
printf '|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n'
for result in "${results[@]}"; do
  IFS=$'\t' read -r word spins _ seconds model spread _ letter letter_min letter_max \
    error error_min error_max timed sim_spins sim_seconds <<<"$result"
  awk -v w="$word" -v k="$spins" -v s="$seconds" -v m="$model" -v d="$spread" \
    -v l="$letter" -v l0="$letter_min" -v l1="$letter_max" -v e="$error" -v e0="$error_min" -v e1="$error_max" \
    -v n="$timed" -v ss="$sim_spins" -v st="$sim_seconds" 'BEGIN {
      spread = d > 0 ? sprintf(" ± %.2f", d) : ""
      printf "| %s | %d | %.1f | %.3f | %.1f s%s | %.4f | %.3f s (%.3f–%.3f) | %+.3f s (%+.3f…%+.3f, %d) | %.1f | %.1f | %.3f | %.4f |\n",
        w, k, s, s / k, m, spread, s / m, l, l0, l1, e, e0, e1, n, ss, st, st / ss, (s / k) / (st / ss) }'
done
