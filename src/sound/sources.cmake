# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Files of this folder: the list of sounds, their files, the mix and the
# player's choice in kordamir_core; the audio output, the key and the
# speaker in kordamir_ui.
target_sources(kordamir_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MutePreference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MutePreference.h
  ${CMAKE_CURRENT_LIST_DIR}/RoundSounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoundSounds.h
  ${CMAKE_CURRENT_LIST_DIR}/Sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sound.h
  ${CMAKE_CURRENT_LIST_DIR}/SoundMixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundMixer.h
  ${CMAKE_CURRENT_LIST_DIR}/SoundService.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundService.h
  ${CMAKE_CURRENT_LIST_DIR}/WaveFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveFile.h
)
target_sources(kordamir_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MuteKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MuteKey.h
  ${CMAKE_CURRENT_LIST_DIR}/RunStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunStream.h
  ${CMAKE_CURRENT_LIST_DIR}/SoundOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundOutput.h
  ${CMAKE_CURRENT_LIST_DIR}/SoundPlayer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundPlayer.h
  ${CMAKE_CURRENT_LIST_DIR}/SpeakerButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpeakerButton.h
)
