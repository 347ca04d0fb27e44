// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/WordRound.h"

#include <QCoreApplication>

class GameWindow;

// What the table says, in the player's language: the rules report codes, and
// this is the one place that turns them into words.
class TableTexts {
    Q_DECLARE_TR_FUNCTIONS(TableTexts)
public:
    static QString message(const WordRound::Message& message);
    // What a computer's seat says it is doing.
    static QString computerLine(WordRound::Phase phase, int chosenLetter);
    // The sector's words when the drum stops on it.
    static QString sector(int sector);

    // What a screen reader says of a seat: "Вера, 120 очков, ходит".
    static QString seat(const QString& name, int score, bool toMove);
    // A prize box: closed, or open with or without the prize.
    static QString prizeBox(int box, bool open, bool prize);
    // The drum at rest on a sector, or turning.
    static QString drum(int sector, bool turning);
};

// The table's texts that vary in width (names, scores, the message line with
// its topic or a long name, the stage caption and the computer's lines)
// shrink and then elide instead of running past their controls.
void fitTableTexts(GameWindow& window);
