// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TextFit.h"

#include <QFontMetricsF>

namespace textfit {

namespace {

constexpr qreal pointStep = 0.5;
constexpr int pixelStep = 1;

bool fits(const QString& text, const QFont& font, int width)
{
    return QFontMetricsF(font).horizontalAdvance(text) <= width;
}

} // namespace

Fitted fit(const QString& text, const QFont& font, int width, qreal smallestPoints)
{
    QFont shrunk = font;
    if (font.pointSizeF() > 0) {
        for (qreal points = font.pointSizeF(); points >= smallestPoints; points -= pointStep) {
            shrunk.setPointSizeF(points);
            if (fits(text, shrunk, width))
                return {shrunk, text};
        }
        shrunk.setPointSizeF(qMin(font.pointSizeF(), smallestPoints));
    } else {
        const int smallestPixels = qRound(smallestPoints * 96.0 / 72.0);
        for (int pixels = font.pixelSize(); pixels >= smallestPixels; pixels -= pixelStep) {
            shrunk.setPixelSize(pixels);
            if (fits(text, shrunk, width))
                return {shrunk, text};
        }
        shrunk.setPixelSize(qMin(font.pixelSize(), smallestPixels));
    }
    const QString elided = QFontMetricsF(shrunk).elidedText(text, Qt::ElideRight, width);
    return {shrunk, elided};
}

} // namespace textfit
