// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class RandomSource;
struct GameState;

// The computer's choices. It plays only with the drum and the letters: it
// never says the word, and the rules neither stop its drum on the plus sector
// nor offer it the prize boxes, so the letter is its only choice.
namespace ComputerPlayer {

// A letter 1..32 among those still free, each equally likely, whatever the
// word; 0 when no letter is free.
int chooseLetter(const GameState& state, RandomSource& random);

} // namespace ComputerPlayer
