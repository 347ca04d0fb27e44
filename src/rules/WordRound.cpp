// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/WordRound.h"

#include "rules/Drum.h"
#include "rules/Seats.h"
#include "platform/RandomSource.h"
#include "state/GameState.h"

#include <algorithm>
#include <limits>

namespace {

int addPoints(int score, int points)
{
    constexpr int largest = std::numeric_limits<int>::max();
    return score > largest - points ? largest : score + points;
}

} // namespace

WordRound::WordRound(GameState& state, RandomSource& random)
    : state_(state), random_(random), tournament_(state)
{
}

void WordRound::begin(const QString& word)
{
    state_.SecretWord = word;
    // The board has 11 cells; the topic reader never hands on a longer word.
    state_.WordLength = std::min(static_cast<int>(word.size()), GameState::maxWordLength);
    for (int i = 1; i <= GameState::maxWordLength; ++i)
        state_.ClosedLetters.at(i) = i <= state_.WordLength ? QString(word.at(i - 1)) : QString();
    state_.CellsOpened.fill(0);
    state_.BoxesOffered.fill(false);
    state_.CurrentSeat = 1;
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        state_.player(seat, state_.Stage).score = tournament_.startingScore(seat);
    for (int n = 1; n <= letters::count; ++n)
        state_.FreeLetters.at(n) = QString(letters::letter(n));
    state_.SeatInPlay.fill(true);
    state_.DrumSector = 0;
    boxes_ = Boxes::Closed;
}

bool WordRound::isComputer(int seat) const
{
    return state_.player(seat, state_.Stage).kind == PlayerKind::Computer;
}

// ---- The drum ------------------------------------------------------------------

int WordRound::spin()
{
    // The stop sector is decided before the drum moves; the steps only show it.
    const int stop = drum::drawStopSector(random_, isComputer(state_.CurrentSeat));
    state_.SpinStepsLeft = drum::stepsToStop(stop, state_.DrumSector);
    return stop;
}

bool WordRound::stepDrum()
{
    state_.SpinStepsLeft -= 1;
    state_.DrumSector = drum::nextPosition(state_.DrumSector);
    return state_.SpinStepsLeft <= 0;
}

WordRound::Outcome WordRound::announce()
{
    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    const drum::Sector& sector = drum::sector(state_.DrumSector);
    outcome.message = sector.caption;
    outcome.score = state_.currentPlayer().score;
    switch (sector.effect) {
    case drum::Effect::Points:
    case drum::Effect::Double:
        outcome.next = Next::LetterWanted;
        break;
    case drum::Effect::Bankrupt:
        state_.player(outcome.seat, state_.Stage).score = 0;
        outcome.score = 0;
        passTurn();
        outcome.next = Next::TurnPassed;
        break;
    case drum::Effect::PassTurn:
        passTurn();
        outcome.next = Next::TurnPassed;
        break;
    case drum::Effect::Plus:
        state_.PlusSectorActive = true;
        outcome.next = Next::PlusWanted;
        break;
    }
    return outcome;
}

int WordRound::passTurn()
{
    state_.CurrentSeat = nextSeatInPlay(state_.CurrentSeat, state_.SeatInPlay);
    return state_.CurrentSeat;
}

// ---- Letters and cells ----------------------------------------------------------

void WordRound::openCell(int i)
{
    state_.CellsOpened.at(state_.CurrentSeat) += 1;
    state_.ClosedLetters.at(i).clear();
}

bool WordRound::anyCellClosed() const
{
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (!state_.ClosedLetters.at(i).isEmpty())
            return true;
    }
    return false;
}

bool WordRound::boxesDue(int seat) const
{
    return !state_.BoxesOffered.at(seat) && state_.CellsOpened.at(seat) >= 3;
}

WordRound::Outcome WordRound::nameLetter(int n)
{
    if (n < 1 || n > letters::count || state_.WordFinished)
        return {};
    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    outcome.namedLetter = n;
    const QString letter(letters::letter(n));
    state_.FreeLetters.at(n).clear();

    Player& player = state_.player(outcome.seat, state_.Stage);
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (state_.ClosedLetters.at(i) == letter) {
            openCell(i);
            player.score = drum::scoreAfterOpenedCell(player.score, state_.DrumSector);
            outcome.openedCells << i;
        }
    }
    outcome.score = player.score;

    if (!anyCellClosed()) {
        Outcome won = finishWordByLetters();
        won.openedCells = outcome.openedCells;
        won.namedLetter = n;
        return won;
    }
    if (outcome.openedCells.isEmpty()) {
        outcome.message = QStringLiteral("Нет такой буквы в этом слове!");
        outcome.next = Next::TurnPassed;
        passTurn();
    } else if (player.kind == PlayerKind::Person && boxesDue(outcome.seat)) {
        const Outcome offer = offerBoxes();
        outcome.message = offer.message;
        outcome.next = offer.next;
    } else {
        outcome.message = QStringLiteral("Есть такая буква в этом слове!");
        outcome.next = Next::SameSeat;
    }
    return outcome;
}

WordRound::Outcome WordRound::openByPlus(int cell)
{
    if (!state_.PlusSectorActive || cell < 1 || cell > GameState::maxWordLength
        || state_.ClosedLetters.at(cell).isEmpty())
        return {};
    state_.PlusSectorActive = false;
    Outcome outcome;
    outcome.seat = state_.CurrentSeat;

    // The letter counts as named: nobody can name it again in this word.
    const QString letter = state_.ClosedLetters.at(cell);
    const int n = letters::number(letter.at(0));
    if (n > 0) {
        state_.FreeLetters.at(n).clear();
        outcome.namedLetter = n;
    }
    for (int j = 1; j <= state_.WordLength; ++j) {
        if (state_.ClosedLetters.at(j) == letter) {
            openCell(j);
            outcome.openedCells << j;
        }
    }
    outcome.score = state_.currentPlayer().score;

    if (!anyCellClosed()) {
        Outcome won = finishWordByLetters();
        won.openedCells = outcome.openedCells;
        won.namedLetter = outcome.namedLetter;
        return won;
    }
    // Only persons stop on the plus sector, so the seat's kind needs no test here.
    if (boxesDue(outcome.seat)) {
        const Outcome offer = offerBoxes();
        outcome.message = offer.message;
        outcome.next = offer.next;
    } else {
        outcome.message = QStringLiteral("%1 буква это - %2").arg(cell).arg(letter);
        outcome.next = Next::SameSeat;
    }
    return outcome;
}

// ---- The end of a word ------------------------------------------------------------

WordRound::Outcome WordRound::finishWordByLetters()
{
    return winWord(Next::WordWonByLetters, QStringLiteral(" открыл слово!"));
}

WordRound::Outcome WordRound::finishWordBySaying()
{
    return winWord(Next::WordWonBySaying, QStringLiteral(" угадал слово!"));
}

WordRound::Outcome WordRound::winWord(Next how, const QString& trioMessage)
{
    Outcome outcome;
    outcome.next = how;
    outcome.seat = state_.CurrentSeat;
    outcome.score = state_.currentPlayer().score;
    outcome.message = state_.currentPlayer().name
                      + (tournament_.isFinal() ? QStringLiteral(" ПОБЕДИТЕЛЬ!") : trioMessage);
    tournament_.wordWon(outcome.seat);
    state_.WordFinished = true;
    return outcome;
}

WordRound::Outcome WordRound::sayWord(const QString& answer)
{
    if (state_.WordFinished)
        return {};
    // Capitals, but not trimmed: a blank is part of the answer.
    if (!answer.isEmpty() && answer.toUpper() == state_.SecretWord)
        return finishWordBySaying();

    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    outcome.score = state_.currentPlayer().score;
    if (answer.isEmpty()) {
        outcome.next = Next::SameSeat;
        return outcome;
    }
    outcome.seatLeft = true;
    state_.SeatInPlay.at(outcome.seat) = false;
    if (std::any_of(state_.SeatInPlay.begin() + 1, state_.SeatInPlay.end(), [](bool inPlay) { return inPlay; })) {
        outcome.message = state_.currentPlayer().name + QStringLiteral(" ошибся!");
        outcome.next = Next::TurnPassed;
        passTurn();
        return outcome;
    }
    tournament_.wordWithoutWinner();
    state_.WordFinished = true;
    outcome.message = QStringLiteral("Нет победителя!");
    outcome.next = Next::NoWinner;
    return outcome;
}

// ---- Prize boxes ----------------------------------------------------------------------

WordRound::Outcome WordRound::offerBoxes()
{
    Outcome outcome;
    outcome.next = Next::BoxesOffered;
    outcome.seat = state_.CurrentSeat;
    outcome.score = state_.currentPlayer().score;
    outcome.message = QStringLiteral("Выбирайте шкатулку!");
    state_.BoxesOffered.at(outcome.seat) = true;
    state_.PrizeInFirstBox = random_.draw(2) == 1;
    boxes_ = Boxes::Offered;
    return outcome;
}

WordRound::BoxOutcome WordRound::openBox(int b)
{
    if (boxes_ != Boxes::Offered || (b != 1 && b != 2))
        return {};
    boxes_ = Boxes::Open;
    BoxOutcome outcome;
    outcome.opened = true;
    outcome.prize = (b == 1) == state_.PrizeInFirstBox;
    if (outcome.prize) {
        Player& player = state_.player(state_.CurrentSeat, state_.Stage);
        player.score = addPoints(player.score, prizePoints);
        outcome.message = QStringLiteral("Наверно вы знали!");
    } else {
        outcome.message = QStringLiteral("Увы эта шкатулка пуста!");
    }
    return outcome;
}

void WordRound::closeBoxes()
{
    boxes_ = Boxes::Closed;
}
