# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/NameBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameBox.h
  ${CMAKE_CURRENT_LIST_DIR}/NameValidator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameValidator.h
  ${CMAKE_CURRENT_LIST_DIR}/SetupWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetupWindow.h
)
