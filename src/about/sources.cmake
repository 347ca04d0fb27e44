# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ClockGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClockGeometry.h
)
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/ClockFace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClockFace.h
  ${CMAKE_CURRENT_LIST_DIR}/EtchedRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EtchedRules.h
  ${CMAKE_CURRENT_LIST_DIR}/KeepInFront.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeepInFront.h
)
