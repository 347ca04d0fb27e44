// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class RandomSource;

// The drum: 12 sectors, numbered in the order the turning drum passes them.
// A draw of 1..100 picks the stop sector; the shares are deliberately uneven.
namespace drum {

constexpr int sectorCount = 12;
constexpr int plusSector = 10;
constexpr int bankruptSector = 8;

enum class Effect { Points, Double, PassTurn, Bankrupt, Plus };

struct Sector {
    int lastDraw; // the sector takes the draws up to this one
    Effect effect;
    int points; // per opened cell, for Effect::Points
};

// Sector 1..12.
const Sector& sector(int number);

// The sector for a draw of 1..100.
int sectorForDraw(int draw);

// Draws the stop sector. A computer never stops on the plus sector: its draw
// is repeated until it lands elsewhere.
int drawStopSector(RandomSource& random, bool forComputer);

// Pictures shown to turn the drum from its position (0 before the first spin
// of a word) to the stop sector: always at least one full turn.
constexpr int stepsToStop(int stopSector, int position)
{
    return 24 + stopSector - position;
}

// The position after one step of the turning drum.
constexpr int nextPosition(int position)
{
    return position % sectorCount + 1;
}

// The score after one cell opened on this sector: + points or doubled, held
// at the largest int instead of wrapping; other sectors leave it unchanged.
int scoreAfterOpenedCell(int score, int sectorNumber);

} // namespace drum
