#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up what is missing, builds Кордамир and runs every test: the rules and
# windows headless, and the real program under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
# The long tests (a whole tournament played through the keyboard, the quick
# bench) run last, announced, so that minutes without output are expected.
status=0
ctest --preset default -j"$(nproc)" -LE 'long|bench' || status=$?
echo
echo "Долгие проверки: целые турниры и быстрый замер, около семи минут…"
echo "Long tests: whole tournaments and the quick bench, about seven minutes…"
ctest --preset default -j"$(nproc)" -L 'long|bench' || status=$?
exit "$status"
