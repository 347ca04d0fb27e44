# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The composition root: creates the services and the windows, and moves between them.
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.h
  ${CMAKE_CURRENT_LIST_DIR}/GameApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameApplication.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowNavigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowNavigation.h
  ${CMAKE_CURRENT_LIST_DIR}/Platform.h
)
