// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// A text that must not be cut off at the edge of its control: its font
// shrinks step by step until the text fits the width, never below a size
// that stays readable; only then is the text shortened with "…".
namespace textfit {

// Points; for a font sized in pixels, the same in pixels at 96 dots per inch.
inline constexpr qreal readablePoints = 8.0;

struct Fitted {
    QFont font;
    QString text;
};

Fitted fit(const QString& text, const QFont& font, int width, qreal smallestPoints = readablePoints);

} // namespace textfit
