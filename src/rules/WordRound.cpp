// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/WordRound.h"

#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "rules/ComputerPlayer.h"
#include "rules/Drum.h"
#include "rules/Score.h"
#include "rules/Seats.h"
#include "state/GameState.h"

#include <algorithm>

WordRound::WordRound(Tournament& tournament, RandomSource& random, Clock& clock, QObject* parent)
    : QObject(parent), tournament_(tournament), state_(tournament.state_), random_(random), clock_(clock)
{
}

WordRound::~WordRound()
{
    clock_.cancel();
}

void WordRound::begin(const QString& word, const QString& topic)
{
    clock_.cancel();
    stage_ = state_.Stage;
    state_.SecretWord = word;
    // The board has 11 cells; the topic reader never hands on a longer word.
    state_.WordLength = std::min(static_cast<int>(word.size()), GameState::maxWordLength);
    for (int i = 1; i <= GameState::maxWordLength; ++i)
        state_.ClosedLetters.at(i) = i <= state_.WordLength ? QString(word.at(i - 1)) : QString();
    state_.CellsOpened.fill(0);
    state_.BoxesOffered.fill(false);
    state_.CurrentSeat = 1;
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        player(seat).score = tournament_.startingScore(seat);
    for (int n = 1; n <= letters::count; ++n)
        state_.FreeLetters.at(n) = QString(letters::letter(n));
    state_.SeatInPlay.fill(true);
    state_.DrumSector = 0;
    state_.PlusSectorActive = false;
    state_.WordFinished = false;
    wordSaid_ = false;
    computerLetter_ = 0;
    openedBox_ = 0;
    message_ = topic.isEmpty() ? Message{} : Message{Message::Kind::Topic, topic};
    ++messageNumber_;
    startTurn();
    emit changed();
}

// ---- What the table shows ---------------------------------------------------------

Player& WordRound::player(int seat)
{
    return state_.player(seat, stage_);
}

int WordRound::currentSeat() const
{
    return state_.CurrentSeat;
}

bool WordRound::isComputer(int seat) const
{
    return state_.player(seat, stage_).kind == PlayerKind::Computer;
}

bool WordRound::isInPlay(int seat) const
{
    return state_.SeatInPlay.at(seat);
}

int WordRound::score(int seat) const
{
    return state_.player(seat, stage_).score;
}

QString WordRound::name(int seat) const
{
    return state_.player(seat, stage_).name;
}

int WordRound::wordLength() const
{
    return state_.WordLength;
}

bool WordRound::isCellOpen(int cell) const
{
    return cell >= 1 && cell <= state_.WordLength && (wordSaid_ || state_.ClosedLetters.at(cell).isEmpty());
}

bool WordRound::isLetterFree(int letter) const
{
    return letter >= 1 && letter <= letters::count && !state_.FreeLetters.at(letter).isEmpty();
}

int WordRound::drumSector() const
{
    return state_.DrumSector;
}

bool WordRound::allows(Move move) const
{
    if (move == Move::GoOn)
        return phase_ == Phase::WordOver;
    if (phase_ == Phase::NotStarted || phase_ == Phase::WordOver || isComputer(state_.CurrentSeat))
        return false;
    switch (move) {
    case Move::Spin:
    case Move::SayWord:
        return phase_ == Phase::AwaitingSpin;
    case Move::NameLetter:
        return phase_ == Phase::AwaitingLetter;
    case Move::OpenPlusCell:
        return phase_ == Phase::AwaitingPlusCell;
    case Move::OpenBox:
        return phase_ == Phase::BoxesOffered;
    case Move::GoOn:
        break;
    }
    return false;
}

WordRound::Outcome WordRound::report(const Outcome& outcome)
{
    emit played(outcome);
    emit changed();
    return outcome;
}

void WordRound::setMessage(Message message)
{
    message_ = std::move(message);
    ++messageNumber_;
}

// ---- Turns ------------------------------------------------------------------------

void WordRound::startTurn()
{
    phase_ = Phase::AwaitingSpin;
    computerLetter_ = 0;
    if (isComputer(state_.CurrentSeat))
        clock_.callAfter(Pace::computerBeforeSpin, [this] { report(startSpin()); });
}

void WordRound::passTurn()
{
    state_.CurrentSeat = nextSeatInPlay(state_.CurrentSeat, state_.SeatInPlay);
    startTurn();
}

// ---- The drum ---------------------------------------------------------------------

WordRound::Outcome WordRound::spin()
{
    if (!allows(Move::Spin))
        return {};
    return report(startSpin());
}

WordRound::Outcome WordRound::startSpin()
{
    // The stop sector is decided before the drum moves; the frames only show it.
    const int stop = drum::drawStopSector(random_, isComputer(state_.CurrentSeat));
    state_.SpinStepsLeft = drum::stepsToStop(stop, state_.DrumSector);
    phase_ = Phase::DrumTurning;
    clock_.callAfter(Pace::drumFrame, [this] { stepDrum(); });
    Outcome outcome;
    outcome.next = Next::DrumSpinning;
    outcome.seat = state_.CurrentSeat;
    outcome.score = score(outcome.seat);
    outcome.sector = stop;
    outcome.drumFrames = state_.SpinStepsLeft;
    return outcome;
}

void WordRound::stepDrum()
{
    state_.SpinStepsLeft -= 1;
    state_.DrumSector = drum::nextPosition(state_.DrumSector);
    const bool resting = state_.SpinStepsLeft <= 0;
    if (resting) {
        phase_ = Phase::DrumResting;
        clock_.callAfter(Pace::stopSectorShown, [this] { announce(); });
    } else {
        clock_.callAfter(Pace::drumFrame, [this] { stepDrum(); });
    }
    emit drumTurned(state_.DrumSector, resting);
    if (resting)
        emit changed();
}

void WordRound::announce()
{
    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    outcome.sector = state_.DrumSector;
    outcome.announced = true;
    setMessage({Message::Kind::Sector, QString(), state_.DrumSector});
    switch (drum::sector(state_.DrumSector).effect) {
    case drum::Effect::Points:
    case drum::Effect::Double:
        outcome.next = Next::LetterWanted;
        phase_ = Phase::AwaitingLetter;
        if (isComputer(outcome.seat))
            clock_.callAfter(Pace::computerChoosing, [this] { computerChooses(); });
        break;
    case drum::Effect::Bankrupt:
        player(outcome.seat).score = 0;
        outcome.next = Next::TurnPassed;
        passTurn();
        break;
    case drum::Effect::PassTurn:
        outcome.next = Next::TurnPassed;
        passTurn();
        break;
    case drum::Effect::Plus:
        state_.PlusSectorActive = true;
        outcome.next = Next::PlusWanted;
        phase_ = Phase::AwaitingPlusCell;
        break;
    }
    outcome.score = score(outcome.seat);
    report(outcome);
}

// ---- The computer -------------------------------------------------------------------

void WordRound::computerChooses()
{
    // A closed cell's letter is always free, so there is always a choice;
    // should that ever break, the word stops instead of waiting for ever.
    computerLetter_ = ComputerPlayer::chooseLetter(state_, random_);
    if (computerLetter_ == 0) {
        Outcome stuck;
        stuck.next = Next::NoLetterLeft;
        stuck.seat = state_.CurrentSeat;
        report(stuck);
        return;
    }
    clock_.callAfter(Pace::computerBeforePress, [this] { report(nameLetterForSeat(computerLetter_)); });
    emit changed();
}

// ---- Letters and cells ----------------------------------------------------------------

void WordRound::openCell(int cell)
{
    state_.CellsOpened.at(state_.CurrentSeat) += 1;
    state_.ClosedLetters.at(cell).clear();
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
    return !isComputer(seat) && !state_.BoxesOffered.at(seat) && state_.CellsOpened.at(seat) >= 3;
}

WordRound::Outcome WordRound::nameLetter(int letter)
{
    if (!allows(Move::NameLetter) || !isLetterFree(letter))
        return {};
    return report(nameLetterForSeat(letter));
}

WordRound::Outcome WordRound::nameLetterForSeat(int letter)
{
    computerLetter_ = 0;
    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    outcome.namedLetter = letter;
    const QString named(letters::letter(letter));
    state_.FreeLetters.at(letter).clear();

    Player& seat = player(outcome.seat);
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (state_.ClosedLetters.at(i) == named) {
            openCell(i);
            seat.score = drum::scoreAfterOpenedCell(seat.score, state_.DrumSector);
            outcome.openedCells << i;
        }
    }
    outcome.score = seat.score;
    if (outcome.openedCells.isEmpty()) {
        setMessage({Message::Kind::LetterMissing});
        outcome.next = Next::TurnPassed;
        passTurn();
        return outcome;
    }
    return afterCellsOpened(outcome, {Message::Kind::LetterFound});
}

WordRound::Outcome WordRound::openByPlus(int cell)
{
    if (!allows(Move::OpenPlusCell) || cell < 1 || cell > state_.WordLength
        || state_.ClosedLetters.at(cell).isEmpty())
        return {};
    state_.PlusSectorActive = false;
    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    outcome.plusPick = true;

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
    outcome.score = score(outcome.seat);
    return report(afterCellsOpened(outcome, {Message::Kind::PlusCell, QString(), 0, cell, letter.at(0)}));
}

WordRound::Outcome WordRound::afterCellsOpened(Outcome outcome, Message found)
{
    if (!anyCellClosed()) {
        Outcome won = winWord(Next::WordWonByLetters);
        won.openedCells = outcome.openedCells;
        won.namedLetter = outcome.namedLetter;
        won.plusPick = outcome.plusPick;
        return won;
    }
    if (boxesDue(outcome.seat))
        return offerBoxes(outcome);
    setMessage(std::move(found));
    outcome.next = Next::SameSeat;
    startTurn();
    return outcome;
}

// ---- The end of a word ------------------------------------------------------------------

WordRound::Outcome WordRound::winWord(Next how)
{
    Outcome outcome;
    outcome.next = how;
    outcome.seat = state_.CurrentSeat;
    outcome.score = score(outcome.seat);
    const Message::Kind kind = tournament_.isFinal()          ? Message::Kind::Champion
                               : how == Next::WordWonBySaying ? Message::Kind::WordGuessed
                                                              : Message::Kind::WordOpened;
    setMessage({kind, name(outcome.seat)});
    wordSaid_ = how == Next::WordWonBySaying;
    tournament_.wordWon(outcome.seat);
    phase_ = Phase::WordOver;
    clock_.cancel();
    return outcome;
}

WordRound::Outcome WordRound::sayWord(const QString& answer)
{
    if (!allows(Move::SayWord))
        return {};
    // Capitals, but not trimmed: a blank is part of the answer.
    if (!answer.isEmpty() && answer.toUpper() == state_.SecretWord)
        return report(winWord(Next::WordWonBySaying));

    Outcome outcome;
    outcome.seat = state_.CurrentSeat;
    outcome.score = score(outcome.seat);
    if (answer.isEmpty()) {
        outcome.next = Next::SameSeat;
        return outcome;
    }
    outcome.seatLeft = true;
    state_.SeatInPlay.at(outcome.seat) = false;
    if (std::any_of(state_.SeatInPlay.begin() + 1, state_.SeatInPlay.end(),
                    [](bool inPlay) { return inPlay; })) {
        setMessage({Message::Kind::WrongWord, name(outcome.seat)});
        outcome.next = Next::TurnPassed;
        passTurn();
        return report(outcome);
    }
    tournament_.wordWithoutWinner();
    phase_ = Phase::WordOver;
    setMessage({Message::Kind::NoWinner});
    outcome.next = Next::NoWinner;
    return report(outcome);
}

// ---- Prize boxes ----------------------------------------------------------------------------

WordRound::Outcome WordRound::offerBoxes(Outcome outcome)
{
    outcome.next = Next::BoxesOffered;
    setMessage({Message::Kind::ChooseBox});
    state_.BoxesOffered.at(outcome.seat) = true;
    state_.PrizeInFirstBox = random_.draw(2) == 1;
    phase_ = Phase::BoxesOffered;
    return outcome;
}

WordRound::Outcome WordRound::openBox(int box)
{
    // Only the first choice of an offer opens a box, so the prize is paid at most once.
    if (!allows(Move::OpenBox) || (box != 1 && box != 2))
        return {};
    Outcome outcome;
    outcome.next = Next::BoxOpened;
    outcome.seat = state_.CurrentSeat;
    outcome.prize = (box == 1) == state_.PrizeInFirstBox;
    if (outcome.prize)
        player(outcome.seat).score = score::added(score(outcome.seat), prizePoints);
    outcome.score = score(outcome.seat);
    setMessage({outcome.prize ? Message::Kind::BoxWithPrize : Message::Kind::EmptyBox});
    openedBox_ = box;
    openedBoxPrize_ = outcome.prize;
    phase_ = Phase::BoxOpened;
    clock_.callAfter(Pace::openBoxShown, [this] { closeBoxes(); });
    return report(outcome);
}

void WordRound::closeBoxes()
{
    openedBox_ = 0;
    Outcome outcome;
    outcome.next = Next::SameSeat;
    outcome.seat = state_.CurrentSeat;
    outcome.score = score(outcome.seat);
    startTurn();
    report(outcome);
}
