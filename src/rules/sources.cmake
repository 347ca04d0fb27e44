# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The rules of the game: kordamir_core only, no widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TopicDatabase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TopicDatabase.h
  ${CMAKE_CURRENT_LIST_DIR}/Drum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Drum.h
  ${CMAKE_CURRENT_LIST_DIR}/Seats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Seats.h
  ${CMAKE_CURRENT_LIST_DIR}/ComputerPlayer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComputerPlayer.h
  ${CMAKE_CURRENT_LIST_DIR}/Tournament.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tournament.h
  ${CMAKE_CURRENT_LIST_DIR}/WordRound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WordRound.h
  ${CMAKE_CURRENT_LIST_DIR}/Score.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordsTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordsTable.h
)
