// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/GameState.h"

#include <array>

// The next seat after `current` that is still in the word, going round
// 1 -> 2 -> 3 -> 1. The current seat itself is found again when it is the
// only one left; 0 when no seat is in play at all.
int nextSeatInPlay(int current, const std::array<bool, GameState::seatCount + 1>& seatInPlay);
