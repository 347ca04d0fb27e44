// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "rules/Drum.h"
#include "rules/TopicDatabase.h"
#include "rules/Tournament.h"
#include "rules/WordRound.h"
#include "sound/Sound.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Whole tournaments played by the core rules alone: the round paces itself on
// a clock that the simulator runs at once, exactly as the game window's
// timers would, with computers in every seat or a scripted person in seat 1
// of each trio. Counts what a designer wants to know and checks the rules'
// invariants after every step.
class Simulator {
public:
    struct Options {
        int tournaments = 1000;
        unsigned seed = 1;
        QString topicDir;
        bool person = false;
        bool sounds = false; // keep every word's sounds, in order, with their times
    };

    // A sound the table would play, and when: milliseconds from the word's start.
    struct Heard {
        qint64 ms = 0;
        Sound sound = Sound::DrumClack;
        bool operator==(const Heard&) const = default;
    };

    struct WordSounds {
        int tournament = 0;
        int stage = 0;
        QString word;
        std::vector<Heard> heard;
    };

    struct Figures {
        int words = 0;
        std::vector<int> spinsPerWord;
        int wonByLetters = 0;
        int wonBySaying = 0;
        int noWinner = 0;
        std::vector<int> championScores; // finals with a winner
        std::array<int, drum::sectorCount + 1> personStops{};
        std::array<int, drum::sectorCount + 1> computerStops{};
        std::vector<qint64> msPerWord; // at the game's pace, a person answering at once
        int boxesOffered = 0;
        int prizesWon = 0;
        QString longestWord;
        std::array<qint64, sounds::count> soundCounts{}; // how often each sound was played
        std::vector<WordSounds> wordSounds;              // with Options::sounds
        QStringList broken;                              // invariants broken, with where
    };

    explicit Simulator(Options options);

    // Plays every tournament; false when the topic directory yields no word.
    bool run();
    const Figures& figures() const { return figures_; }

    // One line a sound, its time in seconds first; the clacks of a turn of
    // the drum, 50 ms apart, make one line.
    static QStringList timeline(const std::vector<Heard>& heard);

private:
    bool playTournament(int number);
    bool playWord(int tournament);
    void hear(const QList<Sound>& sounds, qint64 now, std::vector<Heard>& heard);
    void hear(const QList<SoundCue>& cues, qint64 now, std::vector<Heard>& heard);
    WordRound::Outcome personMoves(WordRound& round);
    void openBox(WordRound& round);
    void follow(const WordRound& round, const WordRound::Outcome& outcome);
    int score(int seat, int stage) const;
    int personLetter() const;
    int personPlusCell() const;
    bool personSaysWord() const;
    void check(bool holds, const QString& what);
    void checkBoard();
    void checkWinner(int stage, const WordRound::Outcome& last);

    Options options_;
    SeededRandom random_;
    Tournament tournament_;
    const GameState& state_ = tournament_.state();
    Figures figures_;
    QString where_;
    std::vector<TopicDatabase::Topic> topics_;
};
