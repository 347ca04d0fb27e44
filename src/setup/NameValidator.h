// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QValidator>

// A player's name ends up in the records file, which is Windows-1251 text
// with one entry a line: a name takes only characters that code page holds,
// and no control characters, which would break the file's lines.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    static bool acceptsCharacter(QChar character);

    State validate(QString& input, int& position) const override;
};
