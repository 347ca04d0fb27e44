// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStringList>
#include <QTimer>

namespace fonts {

namespace {

// Long enough for a window to be up and painted.
constexpr int lookUpDelayMs = 150;

} // namespace

void installSubstitutes()
{
    const QStringList casual{QStringLiteral("Andika"), QStringLiteral("DejaVu Sans")};
    const QStringList calligraphic{QStringLiteral("Z003"), QStringLiteral("DejaVu Serif")};
    const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), casual);
    QFont::insertSubstitutions(QStringLiteral("Monotype Corsiva"), calligraphic);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
}

void lookUp(const QList<QFont>& fonts)
{
    // Russian letters and digits: the glyphs the windows draw first.
    const QString sample = QStringLiteral("АЯая09");
    for (const QFont& font : fonts)
        QFontMetricsF(font).horizontalAdvance(sample);
}

void lookUpSoon(const QList<QFont>& fonts)
{
    QTimer::singleShot(lookUpDelayMs, QCoreApplication::instance(), [fonts] { lookUp(fonts); });
}

} // namespace fonts
