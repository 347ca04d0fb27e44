// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OutlinedText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

void outlinedtext::draw(QPainter& painter, const QRectF& place, int alignment, const QString& text,
                        const QFont& font, const QColor& fill, const QColor& outline, qreal rim)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    qreal x = place.left() + rim;
    if (alignment & Qt::AlignRight)
        x = place.right() - rim - width;
    else if (alignment & Qt::AlignHCenter)
        x = place.center().x() - width / 2;
    qreal baseline = place.top() + rim + metrics.ascent();
    if (alignment & Qt::AlignBottom)
        baseline = place.bottom() - rim - metrics.descent();
    else if (alignment & Qt::AlignVCenter)
        baseline = place.center().y() - (metrics.ascent() + metrics.descent()) / 2 + metrics.ascent();

    QPainterPath glyphs;
    glyphs.addText(QPointF(x, baseline), font, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Stroked twice as wide as the rim: the inner half vanishes under the fill.
    if (rim > 0)
        painter.strokePath(glyphs, QPen(outline, 2 * rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(glyphs, fill);
    painter.restore();
}
