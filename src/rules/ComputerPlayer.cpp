// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/ComputerPlayer.h"

#include "platform/RandomSource.h"
#include "state/GameState.h"

#include <algorithm>

namespace ComputerPlayer {

int chooseLetter(const GameState& state, RandomSource& random)
{
    const auto& free = state.FreeLetters;
    if (std::all_of(free.begin() + 1, free.end(), [](const QString& letter) { return letter.isEmpty(); }))
        return 0;
    // Drawn among all 32 and drawn again on a named one, so every free letter
    // stays equally likely.
    int choice = 0;
    do {
        choice = random.draw(letters::count);
    } while (choice < 1 || choice > letters::count || free.at(choice).isEmpty());
    return choice;
}

} // namespace ComputerPlayer
