#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command beside a private Wayland compositor (weston with its
# desktop shell and panel) and exits with its status.
#
#   tools/with-weston.sh COMMAND [ARGS...]
#
# The command finds the compositor in WAYLAND_DISPLAY; programs it starts
# without DISPLAY speak Wayland alone. weston's headless output takes no
# input from outside, so the compositor shows its output in a private Xvfb
# instead (DISPLAY, for xdotool only): keys and clicks sent there reach the
# Wayland clients through the compositor, as a player's would. Before the
# compositor starts, every Russian letter gets a key of its own on that
# server, and the compositor takes the server's key map.
#
# KORDAMIR_WESTON_BACKEND=headless runs weston's headless output instead, with
# no X server at all: nothing but the accessibility bus can drive the program
# there, as a screen reader would.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

headless=false
[ "${KORDAMIR_WESTON_BACKEND:-}" = headless ] && headless=true

if $headless; then
  unset DISPLAY
  width=1280 height=1024
elif [ -z "${KORDAMIR_WESTON_INNER:-}" ]; then
  export KORDAMIR_WESTON_INNER=1
  exec "$here/with-xvfb.sh" "$0" "$@"
else
  source "$here/../tests/end-to-end/lib.sh"
  add_russian_keys
  read -r width height < <(xdotool getdisplaygeometry)
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
# No on-screen keyboard: a player types on a real one.
printf '[input-method]\npath=\n[core]\nidle-time=0\n' >"$runtime/weston.ini"
backend=x11-backend.so
$headless && backend=headless-backend.so
weston --config="$runtime/weston.ini" --backend="$backend" --use-pixman --socket=wayland-kordamir \
  --idle-time=0 --width="$width" --height="$height" >"$runtime/weston.log" 2>&1 &
compositor=$!
cleanup() {
  kill "$compositor" 2>/dev/null || true
  wait "$compositor" 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT

# Up once it listens; on X once its window is there too.
up() {
  [ -S "$runtime/wayland-kordamir" ] && { $headless || xdotool search --classname weston >/dev/null 2>&1; }
}
for _ in $(seq 100); do
  up && break
  sleep 0.1
done
if ! up; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY=wayland-kordamir
# In a sanitizer build: Qt's Wayland platform, libwayland-client and
# libxkbcommon keep what they allocated until the process is gone, and the
# platform plugin is unloaded by then, so its frames cannot be named in a
# suppression. Leaks of the game's own are found by the same paths on X11.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

if ! $headless; then
  # The compositor's window has the X keyboard; its panel is up once it has drawn.
  xdotool windowfocus --sync "$(xdotool search --classname weston | head -n 1)" 2>/dev/null || true
  sleep 1
fi

status=0
"$@" || status=$?
exit "$status"
