// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/WordRound.h"
#include "state/GameState.h"

#include <QFont>

#include <array>

class EventLabel;
class PressableLabel;
class PictureSetView;
class QFrame;
class QPushButton;
class QWidget;

// Every control of the game table, named for what it is, at its place from
// the table's layout. Index 0 of the per-seat, per-cell and per-letter arrays
// is unused, so that seat 1, cell 1 and letter 1 read as such. What the
// mouse clicks, assistive technology presses: the cells, the prize boxes and
// the message line are pressable labels, the rest of the clickable controls
// buttons.
struct TableControls {
    EventLabel* table = nullptr;           // the backdrop; every other control but the turning drum is on it
    PictureSetView* turningDrum = nullptr; // over the table while the drum turns
    PictureSetView* restingDrum = nullptr;
    EventLabel* stageCaption = nullptr;
    std::array<PressableLabel*, 12> cells{};
    EventLabel* messagePlate = nullptr;
    PressableLabel* messageLine = nullptr; // a status bar to assistive technology
    EventLabel* hiddenWord = nullptr;      // the word in tiny letters, shown only while peeked at
    EventLabel* hiddenWordStrip = nullptr;
    QFrame* letterPanel = nullptr;
    std::array<QPushButton*, 33> letterButtons{};
    std::array<PressableLabel*, WordRound::boxCount + 1> prizeBoxes{};
    std::array<EventLabel*, GameState::seatCount + 1> stands{};
    std::array<EventLabel*, GameState::seatCount + 1> turnMarkers{};
    std::array<EventLabel*, GameState::seatCount + 1> names{};
    std::array<EventLabel*, GameState::seatCount + 1> scorePlates{};
    std::array<EventLabel*, GameState::seatCount + 1> scores{};
    std::array<EventLabel*, GameState::seatCount + 1> computerLines{};
    std::array<QPushButton*, GameState::seatCount + 1> sayWordButtons{};
    std::array<QPushButton*, GameState::seatCount + 1> spinButtons{};

    // Builds them all on `window`, as they stand before a word is laid out.
    static TableControls build(QWidget* window);

    // The table's fonts, to be looked up ahead of the first table.
    static QList<QFont> fonts();
};
