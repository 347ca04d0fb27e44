# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers for driving the real program in an X server (sourced by the tests).

# Waits up to $2 seconds for a window whose name matches $1; prints its id.
wait_for_window() {
  local name=$1 seconds=${2:-20} id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "no window named '$name' within ${seconds}s" >&2
  return 1
}

# Waits up to $2 seconds for process $1 to end.
wait_for_exit() {
  local pid=$1 seconds=${2:-10}
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "process $pid still running after ${seconds}s" >&2
  return 1
}

# The factor the program scales itself by on this screen: KORDAMIR_SCALE when
# set, else the largest step of 0.05 at which the 800 x 600 scene fits the
# screen with 40 pixels kept for a title bar, never below 1 nor above the
# 4K screen's 3.5.
scene_scale() {
  if [ -n "${KORDAMIR_SCALE:-}" ]; then
    echo "$KORDAMIR_SCALE"
    return
  fi
  read -r w h < <(xdotool getdisplaygeometry)
  awk -v w="$w" -v h="$h" 'BEGIN { s = w / 800; t = (h - 40) / 600; if (t < s) s = t
    s = int(s / 0.05 + 1e-6) * 0.05; if (s < 1) s = 1; if (s > 3.5) s = 3.5; print s }'
}

# Prints "X Y" of a point given relative to the 800 x 600 picture that the
# start window centres in itself, as the program's scale puts it on the screen.
start_picture_point() {
  local window=$1 x=$2 y=$3 scale
  scale=$(scene_scale)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  awk -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" -v s="$scale" -v x="$x" -v y="$y" \
    'BEGIN { printf "%d %d\n", X + (W - 800 * s) / 2 + x * s, Y + (H - 600 * s) / 2 + y * s }'
}

# Prints "X Y", the centre of the place named $1 (newGame, records, about,
# exit, recordsMenu, setupOk), in the program's own pixels, from the layout
# the windows themselves use: places.txt, which the build writes.
place_centre() {
  awk -v name="$1" '$1 == name { printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2; found = 1 }
    END { if (!found) { print "no place named " name > "/dev/stderr"; exit 1 } }' "${KORDAMIR_PLACES:?}"
}

# The menu entry number $1 (1..4) of the start window, as place_centre names it.
menu_entry_place() {
  local names=(newGame records about exit)
  echo "${names[$1 - 1]}"
}

# Prints "X Y" of a point given in the program's own pixels from the top left
# of window $1.
window_point() {
  local window=$1 x=$2 y=$3 scale
  scale=$(scene_scale)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  awk -v X="$X" -v Y="$Y" -v s="$scale" -v x="$x" -v y="$y" 'BEGIN { printf "%d %d\n", X + x * s, Y + y * s }'
}

# Retries a check for up to $1 seconds, so that a loaded machine is only
# slower, never a failure: eventually CHECK...
eventually() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

has_focus() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

click_at() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousemove "$(($1 + 1))" "$2" click 1
}

# Prints the id of a visible window named "Кордамир" narrower than $1 pixels
# (a box or the player setup window, not a maximised window); fails if none.
small_game_window() {
  local limit=$1 id
  for id in $(xdotool search --onlyvisible --name '^Кордамир$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" -gt 1 ] && [ "$WIDTH" -lt "$limit" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Clicks "Новая игра" on start window $1 and prints the id of the player
# setup window that comes up beside it.
open_setup() {
  local start=$1 x y setup
  read -r x y < <(start_picture_point "$start" $(place_centre newGame))
  click_at "$x" "$y"
  for _ in $(seq 100); do
    setup=$(xdotool search --onlyvisible --name '^Кордамир$' 2>/dev/null | grep -vx "$start" | head -n 1 || true)
    if [ -n "$setup" ]; then
      echo "$setup"
      return 0
    fi
    sleep 0.1
  done
  echo "no player setup after Новая игра" >&2
  return 1
}

# Waits up to $2 seconds for such a window; prints its id.
wait_for_small_window() {
  local limit=$1 seconds=${2:-20}
  for _ in $(seq $((seconds * 10))); do
    small_game_window "$limit" && return 0
    sleep 0.1
  done
  echo "no small window within ${seconds}s" >&2
  return 1
}

# The top-level windows from the topmost down, as xwininfo lists them.
stacking_order() {
  xwininfo -root -children | awk '/^ +0x/ { print $1 }'
}

# True when window $1 lies above window $2.
is_above() {
  local upper lower
  upper=$(printf '0x%x' "$1")
  lower=$(printf '0x%x' "$2")
  stacking_order | awk -v u="$upper" -v l="$lower" '$1 == u { seen = 1 } $1 == l { exit !seen }'
}

# Gives each Russian letter a key of its own (lower case, Shift for capitals)
# on spare multimedia keys beside the Latin layout. Without them xdotool types
# a letter by binding it to a free key for a moment; the program learns what
# that key means only when it reaches the mapping notice, and on a loaded
# machine xdotool has moved on by then, so now and then a letter went missing
# (a champion named "горь"). Call it before the program starts.
add_russian_keys() {
  local map letters
  letters="a be ve ghe de ie io zhe ze i shorti ka el em en o pe er es te u ef ha tse che sha shcha
           hardsign yeru softsign e yu ya"
  map=$(mktemp)
  xkbcomp -xkb "$DISPLAY" "$map" 2>/dev/null
  awk -v letters="$letters" '
    BEGIN { n = split(letters, letter) }
    /^xkb_symbols/ { symbols = 1 }
    symbols && used < n && /^ *key <I(1[5-9][0-9]|2[0-4][0-9])> *\{.*\};$/ {
      used++
      printf "    key %s { [ Cyrillic_%s, Cyrillic_%s ] };\n", $2, letter[used], toupper(letter[used])
      next
    }
    { print }
    END { if (used < n) { print "not enough spare keys for the Russian letters" > "/dev/stderr"; exit 1 } }
  ' "$map" >"$map.russian"
  xkbcomp "$map.russian" "$DISPLAY" 2>/dev/null
  rm -f "$map" "$map.russian"
}

# The ids of the visible windows named $1, one a line.
visible_windows() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# Waits up to $2 seconds until window $1 is no longer visible.
wait_for_window_gone() {
  local id=$1 seconds=${2:-10}
  for _ in $(seq $((seconds * 10))); do
    visible_windows . | grep -qx "$id" || return 0
    sleep 0.1
  done
  echo "window $id still shown after ${seconds}s" >&2
  return 1
}

# Gives window $1 the keyboard, through the window manager where one runs.
focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.2
}

# Presses keys $2... in window $1 (a box: Return for OK or "Да", Escape for "Нет").
press_in() {
  local window=$1
  shift
  focus_window "$window"
  xdotool key --delay 60 "$@"
}

# Waits for process $1 to end and fails unless it ended by itself with
# status 0: a crash (a signal, an abort) or an error status is a failure.
expect_clean_exit() {
  local pid=$1 status=0
  wait_for_exit "$pid" "${2:-10}"
  wait "$pid" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "the program ended with status $status" >&2
    return 1
  fi
}

# Runs the calling script again on a session bus of its own (pass it "$@"),
# unless it runs on one already: the accessibility bus starts on that bus and
# ends with it. Then turns the program's accessibility on, and names in
# $python Debian's own interpreter, which has python3-pyatspi, whatever else
# is first on PATH.
on_own_accessibility_bus() {
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${KORDAMIR_OWN_BUS:-}" ]; then
    exec env KORDAMIR_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
  fi
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
  python=/usr/bin/python3
}

# Waits until the listener on the accessibility bus has registered (the
# scripts' atspi_tree.listen makes the file $KORDAMIR_LISTENING names): the
# program asks which events are listened to as it starts, and one registered
# while it asks may go unheard for the whole run. Start the program after it.
wait_until_listening() {
  while [ ! -e "$KORDAMIR_LISTENING" ]; do
    sleep 0.05
  done
}

# Sleeps $1 seconds (fractions too), longer in a sanitizer build, which runs
# several times slower: KORDAMIR_E2E_PACE is the factor.
pause() {
  sleep "$(awk -v s="$1" -v p="${KORDAMIR_E2E_PACE:-1}" 'BEGIN { print s * p }')"
}
