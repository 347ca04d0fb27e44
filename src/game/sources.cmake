# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TopicDatabase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TopicDatabase.h
)
