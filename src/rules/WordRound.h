// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/Tournament.h"

#include <QList>
#include <QObject>
#include <QString>

class Clock;
class RandomSource;

// The rules of one word, from the laid-out board to its winner. The round
// knows its phase and refuses any move that is not legal in it; it paces the
// turn itself (the drum's frames, the pause on the stop sector, the prize
// boxes, the computer's three steps) on the Clock handed in, so a window,
// the simulator and the tests all play the very same flow. All chance comes
// from the RandomSource.
class WordRound : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        NotStarted,
        AwaitingSpin, // the current seat spins (or, a person, says the word)
        DrumTurning,
        DrumResting, // on the stop sector, before it is announced
        AwaitingLetter,
        AwaitingPlusCell, // plus sector: the person picks a closed cell
        BoxesOffered,
        BoxOpened, // shown for a moment, then the turn goes on
        WordOver,
    };

    // The moves a person at the table can make.
    enum class Move { Spin, SayWord, NameLetter, OpenPlusCell, OpenBox, GoOn };

    // Where a move left the word.
    enum class Next {
        Refused,          // not legal now: nothing changed
        DrumSpinning,     // the drum turns towards Outcome::sector
        LetterWanted,     // letter sector: the seat names a letter
        PlusWanted,       // plus sector: the seat picks a closed cell
        SameSeat,         // the seat keeps the turn and spins again (or says the word)
        BoxesOffered,     // the seat chooses one of the two prize boxes
        BoxOpened,        // see Outcome::prize
        TurnPassed,       // the turn went on to the next seat in play
        WordWonByLetters, // the last closed cell opened; see the Tournament
        WordWonBySaying,
        NoWinner,     // every seat said a wrong word
        NoLetterLeft, // the computer found no free letter: the word cannot go on
    };

    // What the message line says, as a code and its particulars; the words
    // belong to the window.
    struct Message {
        enum class Kind {
            None,
            Topic,
            Sector,
            LetterFound,
            LetterMissing,
            PlusCell,
            ChooseBox,
            BoxWithPrize,
            EmptyBox,
            WordOpened,
            WordGuessed,
            Champion,
            WrongWord,
            NoWinner,
        };
        Message(Kind kindOf = Kind::None, QString textOf = QString(), int sectorOf = 0, int cellOf = 0,
                QChar letterOf = QChar())
            : kind(kindOf), text(std::move(textOf)), sector(sectorOf), cell(cellOf), letter(letterOf)
        {
        }
        Kind kind;
        QString text; // the topic, or the name of the seat it speaks of
        int sector;   // Sector: the drum sector 1..12
        int cell;     // PlusCell: the cell 1..11 and its letter
        QChar letter;
        bool operator==(const Message&) const = default;
    };

    struct Outcome {
        Next next = Next::Refused;
        int seat = 0;           // the seat that acted
        int score = 0;          // that seat's score after the move
        QList<int> openedCells; // cells 1..11 opened by this move, in order
        int namedLetter = 0;    // letter 1..32 no longer free after this move, or 0
        bool seatLeft = false;  // a wrong word put the seat out of this word
        bool prize = false;     // BoxOpened: the box held the prize
        int sector = 0;         // DrumSpinning: where it will stop; after it, where it stopped
        int drumFrames = 0;     // DrumSpinning: the frames it turns, one sector each, before it rests
        bool announced = false; // the outcome of the sector the drum stopped on
        bool plusPick = false;  // cells opened by the plus sector's pick, not by a named letter
    };

    // How long each step of a turn waits, in milliseconds.
    struct Pace {
        static constexpr int drumFrame = 50;
        static constexpr int stopSectorShown = 1000;
        static constexpr int openBoxShown = 1000;
        static constexpr int computerBeforeSpin = 3000;
        static constexpr int computerChoosing = 1000;
        static constexpr int computerBeforePress = 2000;
    };

    static constexpr int prizePoints = 100;
    static constexpr int boxCount = 2; // the left box is 1, the right one 2

    // Plays on `tournament`'s board, which must outlive the round.
    WordRound(Tournament& tournament, RandomSource& random, Clock& clock, QObject* parent = nullptr);
    // A step still waiting on the clock dies with the round.
    ~WordRound() override;

    // The new word of the stage (1..11 of the game's letters) from `topic`:
    // its board, the seats' starting scores, all letters free, every seat in
    // play, seat 1 to move and the drum at its start.
    void begin(const QString& word, const QString& topic = QString());

    // ---- What the table shows ----
    Phase phase() const { return phase_; }
    int currentSeat() const;
    bool isComputer(int seat) const;
    bool isInPlay(int seat) const;
    int score(int seat) const;
    QString name(int seat) const;
    int wordLength() const;
    bool isCellOpen(int cell) const; // shown open: opened, or the word said aloud
    bool isLetterFree(int letter) const;
    int drumSector() const;                                // 0 before the first spin
    int computerLetter() const { return computerLetter_; } // chosen, not yet pressed; 0 otherwise
    int openedBox() const { return openedBox_; }           // 1 or 2 while BoxOpened
    bool openedBoxHadPrize() const { return openedBoxPrize_; }
    const Message& message() const { return message_; }
    // Grows with every message the round gives, so that the table tells a
    // new message from the last one even when both read the same ("Нет
    // такой буквы в этом слове!" for two seats in turn).
    int messageNumber() const { return messageNumber_; }

    // True when a person at the table may make `move` now.
    bool allows(Move move) const;

    // ---- A person's moves; each refuses (Next::Refused) what is not legal now ----
    Outcome spin();
    Outcome nameLetter(int letter); // 1..32, still free
    Outcome openByPlus(int cell);   // a closed cell 1..11
    // An empty answer (Cancel) costs nothing: SameSeat, nothing changed.
    Outcome sayWord(const QString& answer);
    Outcome openBox(int box); // 1 (left) or 2

signals:
    // Anything the table shows changed.
    void changed();
    // The drum moved one sector on; it rests once `resting`.
    void drumTurned(int sector, bool resting);
    // A move or a paced step (the sector announced, the computer's letter,
    // the boxes closing) had this outcome.
    void played(const WordRound::Outcome& outcome);

private:
    Outcome startSpin();
    void stepDrum();
    void announce();
    void computerChooses();
    Outcome nameLetterForSeat(int letter);
    void closeBoxes();
    void startTurn();
    void passTurn();
    void openCell(int cell);
    bool anyCellClosed() const;
    bool boxesDue(int seat) const;
    Outcome afterCellsOpened(Outcome outcome, Message found);
    Outcome winWord(Next how);
    Outcome offerBoxes(Outcome outcome);
    Outcome report(const Outcome& outcome);
    Player& player(int seat);
    void setMessage(Message message);

    Tournament& tournament_;
    GameState& state_; // the tournament's, the one board of the game
    RandomSource& random_;
    Clock& clock_;
    int stage_ = 0; // the stage of this word; the tournament moves on at its end
    Phase phase_ = Phase::NotStarted;
    bool wordSaid_ = false;
    int computerLetter_ = 0;
    int openedBox_ = 0;
    bool openedBoxPrize_ = false;
    Message message_;
    int messageNumber_ = 0;
};
