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

# Prints "X Y" of a point given relative to the 800 x 600 picture that the
# start window centres in itself, on the screen of a program run with the
# scale in KORDAMIR_SCALE (1 when unset).
start_picture_point() {
  local window=$1 x=$2 y=$3 scale=${KORDAMIR_SCALE:-1}
  eval "$(xdotool getwindowgeometry --shell "$window")"
  awk -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" -v s="$scale" -v x="$x" -v y="$y" \
    'BEGIN { printf "%d %d\n", X + (W - 800 * s) / 2 + x * s, Y + (H - 600 * s) / 2 + y * s }'
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
