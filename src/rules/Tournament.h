// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/RecordsTable.h"
#include "state/GameState.h"

#include <QString>

class TournamentPosition;

// The way through a tournament: trios 1..3, then the final (stage 4); the
// stage becomes 5 once the final is decided. The winner of trio t takes seat t
// of the final with kind, name and score; a trio without a winner leaves its
// final seat open, to be filled anew at the setup of the final.
//
// The tournament owns the whole state of the game. The windows read it
// through state() and change it only through the moves below and the
// WordRound of each stage, so no widget ever decides a rule.
class Tournament {
public:
    Tournament() = default;
    Tournament(const Tournament&) = delete;
    Tournament& operator=(const Tournament&) = delete;

    enum class Phase {
        NotStarted,
        Seating,    // the stage's players are being set up
        WordInPlay, // the stage's word has begun
        StageOver,  // the word is decided and the tournament has moved on
        Over,       // the final is decided
    };

    // What the windows show: every seat, score and the word's board.
    const GameState& state() const { return state_; }
    Phase phase() const;

    // A new tournament at any time: stage 1, every seat of every stage cleared.
    void start() { state_.newGame(); }
    // The start of every stage, before its players are set up: the word's
    // state cleared. Refused (false, nothing changed) while a word is in play
    // or once the tournament is over.
    bool setUpStage();

    int stage() const { return state_.Stage; }
    bool isFinal() const { return state_.Stage == GameState::finalStage; }
    bool isOver() const { return state_.Stage > GameState::finalStage; }

    // "1 тройка" .. "3 тройка", "Финал" from stage 4 on.
    static QString stageCaption(int stage);

    // 1 <= seat <= 3. A seat of the final whose trio had no winner.
    bool isFinalSeatOpen(int seat) const;

    // Seats a player at `seat` (1..3) of the current stage, while the stage
    // is being set up; refused (false, nothing changed) at any other time.
    bool seatPlayer(int seat, PlayerKind kind, const QString& name);

    // The score the seat brings into the word of the current stage: a trio's
    // winner keeps the trio's score in the final, every other seat starts at 0.
    int startingScore(int seat) const;

    // The current stage's word was won by `seat`: a trio's winner is copied to
    // the final, the final's winner becomes the champion; the stage is over.
    // Refused (false) unless a word is in play.
    bool wordWon(int seat);

    // Every seat said a wrong word: a trio leaves its final seat open; the
    // stage is over. Refused (false) unless a word is in play.
    bool wordWithoutWinner();

    // The final's winner, handed over once to the records: a second call
    // has nothing, so the same result is never entered twice.
    std::optional<Player> takeChampion();

    struct ChampionEntry {
        Player champion;
        int row = 0; // the entry of the table it took, 1..4; 0 when it beat none
    };
    // Hands the champion over (as takeChampion) and enters the result into
    // `table` by the table's rule; a table that could not be read (null)
    // takes nothing. Nothing at all when there is no champion to enter.
    std::optional<ChampionEntry> enterChampion(RecordsTable* table);

private:
    // The round of the stage's word plays on the board; a test lays out a
    // position to start from. Nothing else writes the state.
    friend class WordRound;
    friend class TournamentPosition;

    GameState state_;
};
