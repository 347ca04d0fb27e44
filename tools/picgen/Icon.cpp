// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's menu icon: the drum seen from above with its pointer, simplified
// so it still reads as a wheel at 16 pixels.

#include "Icon.h"

#include "Paint.h"

#include <QDir>
#include <QFileInfo>
#include <QPolygonF>

#include <array>
#include <cstdio>

namespace picgen {
namespace {

// The drum's sector colours in their order, bold enough for a tiny wheel.
const std::array<QColor, 12> kWedgeColours{{
    QColor(0x9c, 0xa6, 0xb4),
    QColor(0xe8, 0x24, 0x2c),
    QColor(0xff, 0xc4, 0x1c),
    QColor(0x22, 0x6a, 0xf0),
    QColor(0x9c, 0xa6, 0xb4),
    QColor(0x1c, 0xaa, 0x48),
    QColor(0x92, 0x36, 0xd8),
    QColor(0x14, 0x12, 0x16),
    QColor(0xff, 0x78, 0x14),
    QColor(0xf4, 0xf8, 0xff),
    QColor(0xe4, 0x1e, 0x8c),
    QColor(0xff, 0xc4, 0x1c),
}};

}  // namespace

QImage gameIcon(int size)
{
    QImage image = blankImage(QSize(size, size));
    QPainter painter(&image);
    prepare(painter);

    const double s = size;
    // Room at the top for the pointer, which overlaps the rim.
    const QPointF centre(s / 2, s * 0.55);
    const double rim = s * 0.44;
    const double face = rim * 0.86;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(0, s * 0.02), rim, rim);
    painter.setBrush(goldGradient(centre - QPointF(rim, rim), centre + QPointF(rim, rim)));
    painter.drawEllipse(centre, rim, rim);

    const QRectF faceRect(centre - QPointF(face, face), centre + QPointF(face, face));
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(kWedgeColours.at(i));
        // Qt counts angles counter-clockwise from three o'clock in 1/16 degree.
        const int start = (90 + 15 - i * 30) * 16;
        painter.drawPie(faceRect, start, -30 * 16);
    }
    if (size >= 32) {
        painter.setPen(QPen(QColor(0x1c, 0x14, 0x3c, 110), s / 128.0));
        for (int i = 0; i < 12; ++i)
            painter.drawLine(centre, centre + polar(face, 15 + i * 30));
        painter.setPen(Qt::NoPen);
    }

    const double hub = rim * 0.3;
    painter.setBrush(goldGradient(centre - QPointF(hub, hub), centre + QPointF(hub, hub)));
    painter.drawEllipse(centre, hub, hub);
    if (size >= 32) {
        const QPainterPath letter = textPath(QStringLiteral("К"),
                                             pixelFont(kSerifFamily, int(hub * 1.35), true), centre);
        painter.fillPath(letter, QColor(0x8a, 0x06, 0x10));
    }

    // The pointer stands over the top of the wheel, tip down into sector 1.
    const double tipY = centre.y() - face * 0.78;
    const double half = s * 0.11;
    const QPolygonF pointer{QPointF(s / 2, tipY), QPointF(s / 2 - half, s * 0.02),
                            QPointF(s / 2 + half, s * 0.02)};
    painter.setBrush(goldGradient(QPointF(s / 2 - half, 0), QPointF(s / 2 + half, tipY)));
    painter.setPen(QPen(QColor(0x5a, 0x3a, 0x08), std::max(1.0, s / 64.0)));
    painter.drawPolygon(pointer);
    if (size >= 48)
        paintGlint(painter, centre + polar(rim * 0.95, -45), s * 0.12);
    return image;
}

bool writeIcons(const QString& themeRoot, const QList<int>& sizes)
{
    bool ok = true;
    for (const int size : sizes) {
        const QString path = QDir(themeRoot).filePath(
            QStringLiteral("hicolor/%1x%1/apps/kordamir.png").arg(size));
        if (!QDir().mkpath(QFileInfo(path).path()) || !gameIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "kordamir_picgen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

}  // namespace picgen
