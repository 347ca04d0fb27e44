// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Seats.h"

int nextSeatInPlay(int current, const std::array<bool, GameState::seatCount + 1>& seatInPlay)
{
    int seat = current;
    for (int tries = 0; tries < 3; ++tries) {
        seat = seat % 3 + 1;
        if (seatInPlay.at(seat))
            return seat;
    }
    return 0;
}
