#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command inside a private Xvfb of 1280 x 1024 and exits with its status.
#
#   tools/with-xvfb.sh COMMAND [ARGS...]
#
# KORDAMIR_XVFB_SCREEN sets another screen ("800x600x24"); KORDAMIR_DESKTOP=openbox
# runs the openbox window manager on it first, as on a player's desktop, with
# its title bars, focus rules and stacking.
#
# The server picks a free display number itself (-displayfd), so several runs
# at once, or a display left behind by a killed run, never make two programs
# share one server or a program start before its server is listening. It
# never resets either (-noreset): a bare server resets whenever its last
# client leaves, and refuses connections meanwhile — a program that looks at
# the screen through a short connection of its own, then opens its real one,
# would find no display. A desktop always has other clients, so never resets.
set -euo pipefail

screen=${KORDAMIR_XVFB_SCREEN:-1280x1024x24}
dir=$(mktemp -d)
fifo="$dir/display"
mkfifo "$fifo"

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" 2>"$dir/log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

# Xvfb writes the display number once it accepts connections; an empty read
# means it ended before that.
display=""
read -r -t 30 display <"$fifo" || true
if [ -z "$display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$dir/log" >&2
  exit 1
fi

export DISPLAY=":$display"
unset WAYLAND_DISPLAY

if [ "${KORDAMIR_DESKTOP:-}" = openbox ]; then
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  manager=$!
  trap 'kill "$manager" 2>/dev/null || true; cleanup' EXIT
  # Ready once it has claimed the screen.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "openbox did not start:" >&2
    cat "$dir/openbox.log" >&2
    exit 1
  fi
fi

status=0
"$@" || status=$?
exit "$status"
