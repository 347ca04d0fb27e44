// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramVersion.h"

#include <QStringList>

#ifndef KORDAMIR_VERSION
#error "the build names the version: KORDAMIR_VERSION"
#endif

namespace programversion {

QString number()
{
    return QStringLiteral(KORDAMIR_VERSION);
}

QString caption(const QString& number)
{
    const QStringList parts = number.split(u'.');
    const QString minor = parts.size() > 1 ? parts.at(1) : QStringLiteral("0");
    return QStringLiteral("v%1.%2").arg(parts.at(0), minor.rightJustified(2, u'0'));
}

} // namespace programversion
