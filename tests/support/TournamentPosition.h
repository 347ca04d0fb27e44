// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/Tournament.h"

// A test's way onto the tournament's board: a case starts from a position
// laid out by hand (a seat's score, the drum's sector, a seat already out)
// rather than from the moves that would lead there. The game itself has no
// such way: its windows only read the board.
class TournamentPosition {
public:
    static GameState& board(Tournament& tournament) { return tournament.state_; }
};
