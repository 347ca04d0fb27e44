// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Drum.h"

#include "platform/RandomSource.h"
#include "rules/Score.h"

#include <array>

namespace drum {

namespace {

const std::array<Sector, sectorCount + 1>& table()
{
    static const std::array<Sector, sectorCount + 1> sectors{{
        {0, Effect::PassTurn, 0},
        {1, Effect::PassTurn, 0},
        {14, Effect::Points, 50},
        {20, Effect::Double, 0},
        {36, Effect::Points, 20},
        {37, Effect::PassTurn, 0},
        {50, Effect::Points, 10},
        {63, Effect::Points, 30},
        {64, Effect::Bankrupt, 0},
        {77, Effect::Points, 40},
        {81, Effect::Plus, 0},
        {94, Effect::Points, 80},
        {100, Effect::Double, 0},
    }};
    return sectors;
}

} // namespace

const Sector& sector(int number)
{
    return table().at(number);
}

int sectorForDraw(int draw)
{
    for (int number = 1; number <= sectorCount; ++number) {
        if (draw <= table().at(number).lastDraw)
            return number;
    }
    return sectorCount;
}

int drawStopSector(RandomSource& random, bool forComputer)
{
    int stop = sectorForDraw(random.draw(100));
    while (forComputer && stop == plusSector)
        stop = sectorForDraw(random.draw(100));
    return stop;
}

int scoreAfterOpenedCell(int score, int sectorNumber)
{
    const Sector& opened = sector(sectorNumber);
    switch (opened.effect) {
    case Effect::Points:
        return score::added(score, opened.points);
    case Effect::Double:
        return score::doubled(score);
    default:
        return score;
    }
}

} // namespace drum
