// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/Tournament.h"

#include <QList>
#include <QString>

class RandomSource;
struct GameState;

// The rules of one word, from the laid-out board to its winner. Driven by
// calls in the order the table plays them (spin, drum steps, announcement,
// then a letter, a plus cell, a prize box or a said word); each call changes
// the shared state and says what happened, for a window or a tool to show.
// All chance comes from the RandomSource handed in.
class WordRound {
public:
    // Where a step left the word.
    enum class Next {
        Ignored,          // not a move of this moment: nothing changed
        LetterWanted,     // letter sector: the seat names a letter
        PlusWanted,       // plus sector: the seat picks a closed cell
        SameSeat,         // the seat keeps the turn and may spin again (or say the word)
        BoxesOffered,     // the seat chooses one of the two prize boxes
        TurnPassed,       // the turn went on to the state's CurrentSeat
        WordWonByLetters, // the last closed cell opened; see the Tournament
        WordWonBySaying,
        NoWinner,         // every seat said a wrong word
    };

    struct Outcome {
        Next next = Next::Ignored;
        int seat = 0;             // the seat that acted
        int score = 0;            // that seat's score after the step
        QString message;          // the message line now; empty when unchanged
        QList<int> openedCells;   // cells 1..11 opened by this step, in order
        int namedLetter = 0;      // letter 1..32 no longer free after this step, or 0
        bool seatLeft = false;    // a wrong word put the seat out of this word
    };

    struct BoxOutcome {
        bool opened = false;      // false: no box can be opened now, nothing changed
        bool prize = false;
        QString message;
    };

    static constexpr int prizePoints = 100;

    WordRound(GameState& state, RandomSource& random);

    // The new word of the stage (1..11 of the game's letters): its board, the
    // seats' starting scores, all letters free, every seat in play, seat 1 to
    // move and the drum at its start.
    void begin(const QString& word);

    bool isComputer(int seat) const;

    // The shared steps of a turn.
    int spin();                   // draws the stop sector; returns it
    bool stepDrum();              // one picture on; true once the drum rests
    Outcome announce();           // acts on the sector where the drum rests
    int passTurn();               // on to the next seat in play; returns it
    void openCell(int i);         // for the current seat
    bool anyCellClosed() const;

    Outcome nameLetter(int n);    // letter 1..32, by a person or the computer
    Outcome openByPlus(int cell); // the plus sector's pick, cell 1..11
    // An empty answer (Cancel) costs nothing: SameSeat, no message.
    Outcome sayWord(const QString& answer);

    // The word is complete: the current seat wins it.
    Outcome finishWordByLetters();
    Outcome finishWordBySaying();

    Outcome offerBoxes();
    // Box 1 (left) or 2. Only the first click of an offer opens a box, so the
    // prize is paid at most once.
    BoxOutcome openBox(int b);
    void closeBoxes();

private:
    enum class Boxes { Closed, Offered, Open };

    bool boxesDue(int seat) const;
    Outcome winWord(Next how, const QString& trioMessage);

    GameState& state_;
    RandomSource& random_;
    Tournament tournament_;
    Boxes boxes_ = Boxes::Closed;
};
