// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Paint.h"
#include "Pictures.h"

#include "platform/Pictures.h"

#include <array>

namespace picgen {
namespace {

constexpr QSize kCasketSize = pictures::prizeBoxSize;
constexpr QRectF kBody(9, 25, 49, 20);  // front of the chest below the lid line
constexpr double kStrapWidth = 4;
constexpr double kOpening = 7;  // the open chest is seen a little from above
constexpr std::array<double, 2> kStrapX{14, 49};

QLinearGradient lacquer(double top, double bottom)
{
    QLinearGradient red(0, top, 0, bottom);
    red.setColorAt(0, QColor(0xd8, 0x3a, 0x44));
    red.setColorAt(0.5, QColor(0xa8, 0x16, 0x24));
    red.setColorAt(1, QColor(0x62, 0x08, 0x12));
    return red;
}

void paintStraps(QPainter& painter, double top, double bottom)
{
    for (const double x : kStrapX) {
        painter.setBrush(goldGradient(QPointF(x, 0), QPointF(x + kStrapWidth, 0)));
        painter.drawRect(QRectF(x, top, kStrapWidth, bottom - top));
    }
}

void paintBody(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(lacquer(kBody.top(), kBody.bottom()));
    painter.drawRect(kBody);
    paintStraps(painter, kBody.top(), kBody.bottom());
    painter.setBrush(goldGradient(QPointF(0, kBody.bottom() - 3), QPointF(0, kBody.bottom() + 1)));
    painter.drawRect(QRectF(kBody.left() - 1, kBody.bottom() - 3, kBody.width() + 2, 4));
    painter.setPen(QPen(QColor(0x40, 0x04, 0x0a), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kBody);
}

void paintLock(QPainter& painter, QPointF centre)
{
    const QRectF plate(centre.x() - 5, centre.y() - 5.5, 10, 11);
    painter.setPen(QPen(QColor(0x5a, 0x36, 0x02), 0.7));
    painter.setBrush(goldGradient(plate.topLeft(), plate.topRight()));
    painter.drawRoundedRect(plate, 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x10, 0x04));
    painter.drawEllipse(centre + QPointF(0, -1), 1.6, 1.6);
    painter.drawRect(QRectF(centre.x() - 0.7, centre.y() - 1, 1.4, 4));
}

void paintClosedLid(QPainter& painter)
{
    QPainterPath lid;
    lid.moveTo(kBody.left(), kBody.top());
    lid.lineTo(kBody.left(), 17);
    lid.cubicTo(kBody.left(), 7, kBody.right(), 7, kBody.right(), 17);
    lid.lineTo(kBody.right(), kBody.top());
    lid.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(lacquer(8, kBody.top()));
    painter.drawPath(lid);
    painter.save();
    painter.setClipPath(lid);
    paintStraps(painter, 0, kBody.top());
    painter.restore();
    painter.setPen(QPen(QColor(0x40, 0x04, 0x0a), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(lid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(goldGradient(QPointF(0, kBody.top() - 2), QPointF(0, kBody.top() + 2)));
    painter.drawRect(QRectF(kBody.left() - 1, kBody.top() - 2, kBody.width() + 2, 3.5));
}

// The lid thrown back shows its padded inside above the chest, and the
// opening of the chest shows as a dark band along its top.
void paintOpenLid(QPainter& painter)
{
    QPainterPath lid;
    lid.moveTo(kBody.left(), kBody.top() - kOpening);
    lid.lineTo(kBody.left() - 3, 2);
    lid.quadTo(kBody.center().x(), -1, kBody.right() + 3, 2);
    lid.lineTo(kBody.right(), kBody.top() - kOpening);
    lid.closeSubpath();
    painter.setPen(QPen(goldGradient(QPointF(6, 0), QPointF(61, 0)), 2.2));
    QLinearGradient velvet(0, 2, 0, kBody.top());
    velvet.setColorAt(0, QColor(0x8a, 0x20, 0x80));
    velvet.setColorAt(1, QColor(0x3a, 0x06, 0x38));
    painter.setBrush(velvet);
    painter.drawPath(lid);

    QLinearGradient hollow(0, kBody.top() - kOpening, 0, kBody.top());
    hollow.setColorAt(0, QColor(0x1a, 0x02, 0x0a));
    hollow.setColorAt(0.6, QColor(0x3a, 0x08, 0x18));
    hollow.setColorAt(1, QColor(0x6a, 0x18, 0x30));
    painter.setPen(QPen(QColor(0xe0, 0xa8, 0x2c), 1.2));
    painter.setBrush(hollow);
    painter.drawRect(QRectF(kBody.left(), kBody.top() - kOpening, kBody.width(), kOpening));
}

void paintCoin(QPainter& painter, QPointF centre, double radius, double squash)
{
    const QPointF corner(radius, radius * squash);
    QLinearGradient gold(centre - corner, centre + corner);
    gold.setColorAt(0, QColor(0xff, 0xf2, 0xa8));
    gold.setColorAt(0.5, QColor(0xf0, 0xb4, 0x28));
    gold.setColorAt(1, QColor(0xb0, 0x74, 0x0c));
    painter.setPen(QPen(QColor(0x7a, 0x4a, 0x04), 0.6));
    painter.setBrush(gold);
    painter.drawEllipse(centre, radius, radius * squash);
    painter.setPen(QPen(QColor(0xa0, 0x68, 0x08), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.68, radius * 0.68 * squash);
}

void paintCoinHeap(QPainter& painter)
{
    struct Coin {
        double x, y, radius, squash;
    };
    static constexpr Coin kHeap[] = {
        {14, 21, 4.5, 0.45}, {23, 20, 4.5, 0.45}, {44, 20, 4.5, 0.45}, {53, 21, 4.5, 0.45},
        {18, 17, 4.5, 0.45}, {49, 17, 4.5, 0.45}, {33, 19, 4.5, 0.45}, {27, 15, 4.5, 0.45},
        {40, 15, 4.5, 0.45}, {33, 12, 4.5, 0.45}, {22, 12, 5, 1.0},    {45, 12, 5, 1.0},
        {33.5, 8, 6, 1.0},
    };
    for (const Coin& coin : kHeap)
        paintCoin(painter, QPointF(coin.x, coin.y), coin.radius, coin.squash);
    paintGlint(painter, QPointF(30, 6), 3.5);
    paintGlint(painter, QPointF(47, 9), 2.5);
}

void paintPrizePlate(QPainter& painter)
{
    const QRectF plate(20.5, kBody.top() + 3, 26, 13);
    painter.setPen(QPen(QColor(0x5a, 0x36, 0x02), 0.7));
    painter.setBrush(goldGradient(plate.topLeft(), plate.bottomLeft()));
    painter.drawRoundedRect(plate, 2.5, 2.5);
    painter.setPen(QColor(0x70, 0x04, 0x10));
    painter.setFont(pixelFont(kValueFamily, 11, true));
    painter.drawText(plate.adjusted(0, 0, 0, 1), Qt::AlignCenter, QStringLiteral("100"));
}

}  // namespace

QImage casket(CasketState state)
{
    QImage image = blankImage(kCasketSize);
    QPainter painter(&image);
    prepare(painter);
    paintFloorShadow(painter, QRectF(3, 40, 61, 9), 140);
    if (state == CasketState::Closed) {
        paintBody(painter);
        paintClosedLid(painter);
        paintLock(painter, QPointF(kBody.center().x(), kBody.top() + 3));
        paintGlint(painter, QPointF(16, 11), 3.5);
        return image;
    }
    paintOpenLid(painter);
    if (state == CasketState::WithPrize)
        paintCoinHeap(painter);
    paintBody(painter);
    if (state == CasketState::WithPrize)
        paintPrizePlate(painter);
    else
        paintLock(painter, QPointF(kBody.center().x(), kBody.top() + 5));
    return image;
}

}  // namespace picgen
