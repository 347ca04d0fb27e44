// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The four best results, entry 1 the best. Entry 0 exists and is never used.
// The table is never sorted: the entry rule keeps a falling table falling.
struct RecordsTable {
    static constexpr int entryCount = 4;

    std::array<QString, entryCount + 1> RecordName{};
    std::array<qint32, entryCount + 1> RecordScore{};

    // Overwrites the first entry whose score the result strictly beats; the
    // entries below stay where they are. Returns that entry (1..4), or 0 when
    // no entry was beaten and the table is unchanged.
    int enter(const QString& name, qint32 score);

    // A score written as a whole decimal number, "-" or "+" allowed, blanks
    // around it ignored; anything else is 0, and a number beyond 32 bits stays
    // at the nearest limit instead of wrapping.
    static qint32 scoreFromText(QStringView text);

    friend bool operator==(const RecordsTable&, const RecordsTable&) = default;
};
