#!/usr/bin/env bash
# --help and --version answer in Russian and need no display; without a
# display the game says so in both languages instead of Qt's abort.
set -euo pipefail
program=$1
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

help=$(run --help)
grep -q '^Использование: kordamir' <<<"$help" || { echo "--help: $help" >&2; exit 1; }
version=$(run --version)
grep -qx 'Кордамир [0-9.]*' <<<"$version" || { echo "--version: $version" >&2; exit 1; }

status=0
message=$(run 2>&1) || status=$?
[ "$status" -eq 1 ] || { echo "no display: exit $status" >&2; exit 1; }
grep -q 'нет графического дисплея' <<<"$message" && grep -q 'no graphical display' <<<"$message" \
  || { echo "no display: $message" >&2; exit 1; }
echo "help, version and the missing display answered"
