#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up what is missing, builds Кордамир (the game alone, no tests) and
# starts it.
set -euo pipefail
cd "$(dirname "$0")"

# The game needs a graphical session; say so before a long build, not after.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MESSAGE'
Нет графического дисплея: переменные DISPLAY и WAYLAND_DISPLAY пусты.
Запустите ./play.sh в графическом сеансе (X11 или Wayland). Собрать игру и
проверить её без дисплея можно командой ./test.sh.
No graphical display: DISPLAY and WAYLAND_DISPLAY are unset. Run ./play.sh
in a graphical session (X11 or Wayland); ./test.sh builds and tests without one.
MESSAGE
  exit 1
fi

bash tools/install-deps.sh --play
cmake --preset default
cmake --build --preset default --target kordamir -j"$(nproc)"
exec ./build/default/kordamir
