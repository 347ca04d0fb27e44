# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/TablePictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableKeys.h
  ${CMAKE_CURRENT_LIST_DIR}/LatinPlacesValidator.h
  ${CMAKE_CURRENT_LIST_DIR}/TablePictures.h
  ${CMAKE_CURRENT_LIST_DIR}/TableTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableTexts.h
  ${CMAKE_CURRENT_LIST_DIR}/TableControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableControls.h
)
