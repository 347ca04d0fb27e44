# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Cp1251.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Cp1251.h
  ${CMAKE_CURRENT_LIST_DIR}/DataDir.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataDir.h
  ${CMAKE_CURRENT_LIST_DIR}/DisplayMode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayMode.h
  ${CMAKE_CURRENT_LIST_DIR}/RandomSource.h
  ${CMAKE_CURRENT_LIST_DIR}/Twips.h
)
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/EventLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.h
  ${CMAKE_CURRENT_LIST_DIR}/LoadableWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureCache.h
  ${CMAKE_CURRENT_LIST_DIR}/Platform.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramExit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramExit.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowNames.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowRegistry.h
  ${CMAKE_CURRENT_LIST_DIR}/WrappingButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WrappingButton.h
  ${CMAKE_CURRENT_LIST_DIR}/XRandrDisplayMode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XRandrDisplayMode.h
)
