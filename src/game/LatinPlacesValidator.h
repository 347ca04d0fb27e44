// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/TableKeys.h"

#include <QValidator>

// Shapes a word as it is typed the way the table reads keys: a Latin letter
// at a Russian letter's place becomes that letter, shown as it is typed, so a
// player without a Russian layout can say the word.
class LatinPlacesValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = TableKeys::russianAtLatinPlaces(input);
        return Acceptable;
    }
};
