# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Cp1251.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Cp1251.h
  ${CMAKE_CURRENT_LIST_DIR}/DataDir.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataDir.h
  ${CMAKE_CURRENT_LIST_DIR}/DisplayMode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayMode.h
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.h
  ${CMAKE_CURRENT_LIST_DIR}/PlayerFolders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlayerFolders.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramVersion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramVersion.h
  ${CMAKE_CURRENT_LIST_DIR}/RandomSource.h
  ${CMAKE_CURRENT_LIST_DIR}/Clock.h
  ${CMAKE_CURRENT_LIST_DIR}/SceneScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SceneScale.h
  ${CMAKE_CURRENT_LIST_DIR}/Twips.h
)
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.h
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/EventLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.h
  ${CMAKE_CURRENT_LIST_DIR}/LargePicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LargePicture.h
  ${CMAKE_CURRENT_LIST_DIR}/LoadableWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/Navigation.h
  ${CMAKE_CURRENT_LIST_DIR}/OutlinedGroupBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutlinedGroupBox.h
  ${CMAKE_CURRENT_LIST_DIR}/OutlinedLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutlinedLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/OutlinedText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutlinedText.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureCache.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureSet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureSet.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureSetView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureSetView.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramExit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PressableLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PressableLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramExit.h
  ${CMAKE_CURRENT_LIST_DIR}/ScreenScaling.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenScaling.h
  ${CMAKE_CURRENT_LIST_DIR}/TextFit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFit.h
  ${CMAKE_CURRENT_LIST_DIR}/WaylandSeat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaylandSeat.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowNames.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowRegistry.h
  ${CMAKE_CURRENT_LIST_DIR}/WrappingButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WrappingButton.h
  ${CMAKE_CURRENT_LIST_DIR}/XRandrDisplayMode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XRandrDisplayMode.h
  ${CMAKE_CURRENT_LIST_DIR}/XScreen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XScreen.h
)
