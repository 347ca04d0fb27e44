# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: the rules window and the key that opens it.
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HelpKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpKey.h
  ${CMAKE_CURRENT_LIST_DIR}/RulesWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RulesWindow.h
)
