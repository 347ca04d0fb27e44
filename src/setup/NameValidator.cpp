// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/NameValidator.h"

#include "platform/Cp1251.h"

#include <algorithm>

bool NameValidator::acceptsCharacter(QChar character)
{
    return character.category() != QChar::Other_Control && cp1251::canHold(character);
}

QValidator::State NameValidator::validate(QString& input, int&) const
{
    // Refusing the whole edit keeps the box as it was, for a paste as for a key.
    return std::all_of(input.cbegin(), input.cend(), acceptsCharacter) ? Acceptable : Invalid;
}
