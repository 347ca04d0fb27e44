// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/RecordsTable.h"

#include <algorithm>
#include <limits>

int RecordsTable::enter(const QString& name, qint32 score)
{
    for (int entry = 1; entry <= entryCount; ++entry) {
        if (score > RecordScore.at(entry)) {
            RecordName.at(entry) = name;
            RecordScore.at(entry) = score;
            return entry;
        }
    }
    return 0;
}

qint32 RecordsTable::scoreFromText(QStringView text)
{
    // Blanks around the number and a plus sign are how people write it by
    // hand; reading them as 0 would lose the score at the next rewrite.
    text = text.trimmed();
    if (text.startsWith(u'+')) {
        text = text.mid(1);
        if (text.startsWith(u'-'))
            return 0;
    }
    const QStringView digits = text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty())
        return 0;
    for (const QChar character : digits) {
        if (character < u'0' || character > u'9')
            return 0;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) // more digits than even 64 bits hold
        return text.startsWith(u'-') ? std::numeric_limits<qint32>::min()
                                     : std::numeric_limits<qint32>::max();
    return static_cast<qint32>(
        std::clamp<qlonglong>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}
