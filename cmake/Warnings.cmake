# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The same warnings for every target of the project (the game, its tools and
# its tests), set once here before any target exists, so a new target cannot
# miss them. KORDAMIR_WERROR (the werror preset, and CI) makes them errors.
option(KORDAMIR_WERROR "Treat compiler warnings as errors" OFF)

add_compile_options(
  -Wall -Wextra -Wpedantic
  -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align -Wformat=2
  -Wimplicit-fallthrough -Wmissing-declarations -Wold-style-cast -Wextra-semi
  -Wredundant-decls)
# GCC's own checks; clang (the fuzz preset) does not know them.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wduplicated-cond -Wduplicated-branches -Wlogical-op -Wuseless-cast)
endif()
if(KORDAMIR_WERROR)
  add_compile_options(-Werror)
endif()
