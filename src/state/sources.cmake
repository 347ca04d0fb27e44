# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameState.h
)
