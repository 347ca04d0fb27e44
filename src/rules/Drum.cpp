// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Drum.h"

#include "platform/RandomSource.h"

#include <array>
#include <limits>

namespace drum {

namespace {

const QString passCaption = QStringLiteral("Переход хода!");
const QString doubleCaption = QStringLiteral("Ваши очки умножаются на 2, буква?");

QString pointsCaption(int points)
{
    return QStringLiteral("%1 очков, буква?").arg(points);
}

const std::array<Sector, sectorCount + 1>& table()
{
    static const std::array<Sector, sectorCount + 1> sectors{{
        {0, Effect::PassTurn, 0, QString()},
        {1, Effect::PassTurn, 0, passCaption},
        {14, Effect::Points, 50, pointsCaption(50)},
        {20, Effect::Double, 0, doubleCaption},
        {36, Effect::Points, 20, pointsCaption(20)},
        {37, Effect::PassTurn, 0, passCaption},
        {50, Effect::Points, 10, pointsCaption(10)},
        {63, Effect::Points, 30, pointsCaption(30)},
        {64, Effect::Bankrupt, 0, QStringLiteral("Вы банкрот!")},
        {77, Effect::Points, 40, pointsCaption(40)},
        {81, Effect::Plus, 0, QStringLiteral("Сектор плюс, какую открыть букву?")},
        {94, Effect::Points, 80, pointsCaption(80)},
        {100, Effect::Double, 0, doubleCaption},
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
    constexpr int largest = std::numeric_limits<int>::max();
    const Sector& opened = sector(sectorNumber);
    switch (opened.effect) {
    case Effect::Points:
        return score > largest - opened.points ? largest : score + opened.points;
    case Effect::Double:
        return score > largest / 2 ? largest : score * 2;
    default:
        return score;
    }
}

} // namespace drum
