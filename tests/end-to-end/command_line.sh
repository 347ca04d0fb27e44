#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# --help answers in Russian and English, --version too, and neither needs a
# display nor claims success for an answer it could not write; an unknown
# option is refused with status 2 before the display is looked for; without
# a display, or with one that cannot be reached, the game says so in both
# languages instead of Qt's abort.
set -euo pipefail
program=$1
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

help=$(run --help)
grep -q '^Использование: kordamir' <<<"$help" && grep -q '^Usage: kordamir' <<<"$help" \
  || { echo "--help: $help" >&2; exit 1; }
grep -q -- '--no-scale  не растягивать' <<<"$help" && grep -q -- '--no-scale  do not scale' <<<"$help" \
  || { echo "--help lacks --no-scale in a language: $help" >&2; exit 1; }
version=$(run --version)
grep -qx 'Кордамир [0-9.]*' <<<"$version" || { echo "--version: $version" >&2; exit 1; }

# An answer that never reached its reader is an error, as coreutils have it:
# a full disk, an output closed before the start.
for option in --help --version; do
  status=0
  message=$(run "$option" 2>&1 >/dev/full) || status=$?
  [ "$status" -eq 1 ] || { echo "$option >/dev/full: exit $status" >&2; exit 1; }
  grep -q 'write error: No space left on device' <<<"$message" \
    || { echo "$option >/dev/full: $message" >&2; exit 1; }
  status=0
  message=$(run "$option" 2>&1 >&-) || status=$?
  [ "$status" -eq 1 ] || { echo "$option >&-: exit $status" >&2; exit 1; }
  grep -q 'write error: Bad file descriptor' <<<"$message" || { echo "$option >&-: $message" >&2; exit 1; }
done

# Refused without a display as with one: the option, not the display, decides.
for bad in --bogus-option -x stray-word; do
  for display in "" :4097; do
    status=0
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display "$program" "$bad" 2>/dev/null) \
      || status=$?
    message=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display "$program" "$bad" 2>&1 >/dev/null) || true
    [ "$status" -eq 2 ] || { echo "$bad (DISPLAY '$display'): exit $status" >&2; exit 1; }
    [ -z "$out" ] || { echo "$bad: wrote to stdout: $out" >&2; exit 1; }
    grep -qF -- "«$bad»" <<<"$message" && grep -qF -- "'$bad'" <<<"$message" \
      && grep -q 'kordamir --help' <<<"$message" \
      || { echo "$bad: $message" >&2; exit 1; }
  done
done

status=0
message=$(run 2>&1) || status=$?
[ "$status" -eq 1 ] || { echo "no display: exit $status" >&2; exit 1; }
grep -q 'нет графического дисплея' <<<"$message" && grep -q 'no graphical display' <<<"$message" \
  || { echo "no display: $message" >&2; exit 1; }

# A display nobody serves, with and without the program's own scale.
for scale in "" 1; do
  status=0
  message=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4097 KORDAMIR_SCALE=$scale "$program" 2>&1) \
    || status=$?
  [ "$status" -eq 1 ] || { echo "unreachable display (scale '$scale'): exit $status" >&2; exit 1; }
  grep -q 'не удалось открыть графический дисплей (DISPLAY=:4097' <<<"$message" \
    && grep -q 'cannot open the graphical display' <<<"$message" \
    || { echo "unreachable display (scale '$scale'): $message" >&2; exit 1; }
done
# A platform the toolkit has no plugin for: a clear message and status 1,
# never the toolkit's abort (134) with its advice to reinstall.
status=0
message=$(env -u WAYLAND_DISPLAY DISPLAY=:4097 QT_QPA_PLATFORM=nosuch "$program" 2>&1) || status=$?
[ "$status" -eq 1 ] || { echo "missing platform plugin: exit $status" >&2; exit 1; }
grep -q 'не нашёл модуль платформы «nosuch»' <<<"$message" && grep -q 'qt6-wayland' <<<"$message" \
  || { echo "missing platform plugin: $message" >&2; exit 1; }
echo "help, version, unknown options, the missing and the unreachable display, a missing platform answered"
