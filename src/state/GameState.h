// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

// The kind of a seat: a person at the mouse or the computer. None is the
// cleared seat of a new game (and an open seat of the final until it is set).
enum class PlayerKind { None, Person, Computer };

struct Player {
    PlayerKind kind = PlayerKind::None;
    QString name;
    int score = 0;
    bool operator==(const Player&) const = default;
};

// The game's 32 letters are the capitals А..Я without Ё. Letter number n
// (1..32) is the letter whose Windows-1251 code is n + 191.
namespace letters {
constexpr int count = 32;
QChar letter(int number); // 1..32
int number(QChar letter); // 1..32, or 0 for anything else
} // namespace letters

// All that the windows share, one copy for the whole program. Names follow
// the game's own vocabulary; index 0 of every array exists and is never used.
struct GameState {
    static constexpr int seatCount = 3;
    static constexpr int stageCount = 4; // three trios, then the final
    static constexpr int finalStage = 4;
    static constexpr int maxWordLength = 11;

    // Players[seat][stage]: seat 1..3, stage 1..4; the final's seat t holds a
    // copy of the winner of trio t.
    std::array<std::array<Player, stageCount + 1>, seatCount + 1> Players{};
    int Stage = 0;       // 1..3 trio, 4 final, 5 once the final is decided
    int CurrentSeat = 0; // 1..3; 0 before the first word
    std::array<bool, seatCount + 1> SeatInPlay{};
    QString SecretWord;
    int WordLength = 0;
    std::array<QString, maxWordLength + 1> ClosedLetters{}; // cell i: its letter while closed
    std::array<QString, letters::count + 1> FreeLetters{};  // letter n while not yet named
    std::array<int, seatCount + 1> CellsOpened{};
    std::array<bool, seatCount + 1> BoxesOffered{};
    bool PrizeInFirstBox = false;
    int DrumSector = 0; // 0..12; 0 before the first spin of a word
    int SpinStepsLeft = 0;
    bool PlusSectorActive = false;
    bool WordFinished = false;
    std::array<bool, seatCount + 1> TrioWithoutWinner{};
    // The final's winner, until the records have taken the result.
    std::optional<Player> Champion;

    Player& player(int seat, int stage) { return Players.at(seat).at(stage); }
    const Player& player(int seat, int stage) const { return Players.at(seat).at(stage); }
    Player& currentPlayer() { return player(CurrentSeat, Stage); }

    // The start of a tournament: stage 1, every seat of every stage cleared.
    void newGame();
    // The start of every stage, when its players are set up: the per-word state cleared.
    void setUpStage();

    bool operator==(const GameState&) const = default;
};
