// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/GameState.h"

namespace letters {

namespace {
constexpr char16_t firstLetter = u'А';
} // namespace

QChar letter(int number)
{
    return QChar(static_cast<char16_t>(firstLetter + number - 1));
}

int number(QChar letter)
{
    const int offset = letter.unicode() - firstLetter;
    return offset >= 0 && offset < count ? offset + 1 : 0;
}

} // namespace letters

void GameState::newGame()
{
    Stage = 1;
    for (auto& seat : Players)
        seat.fill(Player{});
    TrioWithoutWinner.fill(false);
    Champion.reset();
    setUpStage();
}

void GameState::setUpStage()
{
    PlusSectorActive = false;
    ClosedLetters.fill(QString());
    WordLength = 0;
    CellsOpened.fill(0);
    BoxesOffered.fill(false);
    SecretWord.clear();
    CurrentSeat = 0;
    SeatInPlay.fill(true);
    WordFinished = false;
    SpinStepsLeft = 0;
    DrumSector = 0;
}
