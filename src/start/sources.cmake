# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StartupCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupCheck.h
)
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MenuKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuKeys.h
  ${CMAKE_CURRENT_LIST_DIR}/StartWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartWindow.h
)
