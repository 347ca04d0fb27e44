// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TablePictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tablepictures {

namespace {

QPixmap transparentCanvas(QSize size)
{
    // As many pixels as the screen shows for it, so a scaled-up table stays sharp.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void rounded(QPainter& painter, const QRectF& rect, qreal radius, const QBrush& fill, const QPen& pen)
{
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
}

const QColor gold(0xE8, 0xB8, 0x30);

} // namespace

QPixmap stand(QSize size)
{
    QPixmap pixmap = transparentCanvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1.5, 1.5, size.width() - 3.0, size.height() - 3.0);

    // A podium front: deep violet with a lighter top edge and a gold trim.
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, QColor(0x6A, 0x3F, 0xC8));
    fill.setColorAt(0.35, QColor(0x3B, 0x1E, 0x86));
    fill.setColorAt(1.0, QColor(0x1E, 0x0E, 0x4A));
    rounded(painter, body, 10, fill, QPen(gold, 3));

    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.drawLine(QPointF(body.left() + 10, body.top() + 34), QPointF(body.right() - 10, body.top() + 34));
    return pixmap;
}

QPixmap scorePlate(QSize size)
{
    QPixmap pixmap = transparentCanvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(1, 1, size.width() - 2.0, size.height() - 2.0);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0.0, QColor(0xFF, 0xFB, 0xE0));
    fill.setColorAt(1.0, QColor(0xF0, 0xD8, 0x90));
    rounded(painter, plate, 6, fill, QPen(QColor(0x8A, 0x62, 0x10), 2));
    return pixmap;
}

QPixmap turnMarker(QSize size)
{
    QPixmap pixmap = transparentCanvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A glowing arrow pointing down at the player who has the turn.
    QPainterPath arrow;
    const qreal w = size.width();
    const qreal h = size.height();
    arrow.moveTo(w * 0.5, h - 1);
    arrow.lineTo(1, h * 0.35);
    arrow.lineTo(w * 0.3, h * 0.35);
    arrow.lineTo(w * 0.3, 1);
    arrow.lineTo(w * 0.7, 1);
    arrow.lineTo(w * 0.7, h * 0.35);
    arrow.lineTo(w - 1, h * 0.35);
    arrow.closeSubpath();
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(0xFF, 0xF4, 0x80));
    fill.setColorAt(1.0, QColor(0xFF, 0x90, 0x00));
    painter.setPen(QPen(QColor(0x80, 0x40, 0x00), 1.5));
    painter.setBrush(fill);
    painter.drawPath(arrow);
    return pixmap;
}

QPixmap messagePlate(QSize size)
{
    QPixmap pixmap = transparentCanvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2, 2, size.width() - 4.0, size.height() - 4.0);
    QLinearGradient frame(outer.topLeft(), outer.bottomLeft());
    frame.setColorAt(0.0, QColor(0xF6, 0xD3, 0x65));
    frame.setColorAt(1.0, QColor(0xB0, 0x78, 0x10));
    rounded(painter, outer, 18, frame, QPen(QColor(0x6A, 0x40, 0x00), 2));
    const QRectF inner = outer.adjusted(9, 9, -9, -9);
    QLinearGradient face(inner.topLeft(), inner.bottomLeft());
    face.setColorAt(0.0, QColor(0xFF, 0xFF, 0xF2));
    face.setColorAt(1.0, QColor(0xE6, 0xEC, 0xFF));
    rounded(painter, inner, 12, face, QPen(QColor(0x9A, 0x70, 0x20), 1));
    return pixmap;
}

QPixmap strip(QSize size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0.0, QColor(0x50, 0x38, 0x90));
    fill.setColorAt(1.0, QColor(0x2C, 0x1C, 0x5C));
    painter.fillRect(pixmap.rect(), fill);
    return pixmap;
}

} // namespace tablepictures
