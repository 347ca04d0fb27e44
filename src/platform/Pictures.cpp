// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Pictures.h"

namespace pictures {

QString turningDrum(int sector)
{
    return QStringLiteral("PolV/%1.res").arg(sector);
}

QString restingDrum(int sector)
{
    return QStringLiteral("PolB/%1.res").arg(sector);
}

QString largeName(const QString& relative, int ratio)
{
    const qsizetype slash = relative.lastIndexOf(u'/');
    const qsizetype dot = relative.lastIndexOf(u'.');
    const qsizetype at = dot > slash ? dot : relative.size();
    return relative.left(at) + QStringLiteral("@%1x").arg(ratio) + relative.mid(at);
}

QStringList all()
{
    QStringList files{startBackdrop, recordsBackdrop, tableBackdrop, closedBox, boxWithPrize, emptyBox};
    for (int n = 1; n <= drumPictureCount; ++n)
        files << turningDrum(n);
    for (int n = 1; n <= drumPictureCount; ++n)
        files << restingDrum(n);
    return files;
}

} // namespace pictures
