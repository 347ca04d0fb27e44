// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Paint.h"

#include <QRandomGenerator>
#include <QtMath>

#include <array>

namespace picgen {

namespace {
int gPictureScale = 1;
}  // namespace

void setPictureScale(int scale)
{
    gPictureScale = scale;
}

int pictureScale()
{
    return gPictureScale;
}

QImage blankImage(QSize size, const QColor& fill)
{
    const auto format = fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    QImage image(size * gPictureScale, format);
    image.setDevicePixelRatio(gPictureScale);
    image.fill(fill);
    return image;
}

void prepare(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
}

QPointF polar(double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return {radius * std::sin(a), -radius * std::cos(a)};
}

QFont pixelFont(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath textPath(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(centre - path.boundingRect().center());
    return path;
}

void paintOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& edge,
                   double edgeWidth)
{
    painter.save();
    if (edgeWidth > 0) {
        painter.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF corner = centre + polar(radius, turnDegrees + i * 180.0 / points);
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void paintGlint(QPainter& painter, QPointF centre, double size, const QColor& colour)
{
    painter.save();
    QRadialGradient halo(centre, size);
    QColor glow = colour;
    glow.setAlpha(120);
    halo.setColorAt(0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1, glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, size, size);
    painter.setBrush(colour);
    painter.drawPath(starPath(centre, size, size * 0.16, 4));
    painter.restore();
}

QLinearGradient goldGradient(QPointF from, QPointF to)
{
    QLinearGradient gold(from, to);
    gold.setColorAt(0.00, QColor(0x8a, 0x5a, 0x0c));
    gold.setColorAt(0.22, QColor(0xf4, 0xc8, 0x4a));
    gold.setColorAt(0.42, QColor(0xff, 0xf4, 0xc0));
    gold.setColorAt(0.60, QColor(0xe2, 0xa8, 0x2c));
    gold.setColorAt(0.85, QColor(0xb0, 0x76, 0x14));
    gold.setColorAt(1.00, QColor(0x6e, 0x44, 0x06));
    return gold;
}

void paintGoldFramedPlate(QPainter& painter, const QRectF& rect, double radius, const QBrush& fill,
                          double frameWidth)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(rect.translated(2, 3), radius, radius);
    painter.setBrush(goldGradient(rect.topLeft(), rect.bottomLeft()));
    painter.drawRoundedRect(rect, radius, radius);
    const QRectF inner = rect.adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
    const double innerRadius = std::max(0.0, radius - frameWidth);
    painter.setBrush(fill);
    painter.drawRoundedRect(inner, innerRadius, innerRadius);
    painter.setPen(QPen(QColor(0x6e, 0x44, 0x06, 160), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, innerRadius, innerRadius);
    painter.restore();
}

void paintRays(QPainter& painter, QPointF centre, int count, const QColor& colour, double turnDegrees)
{
    constexpr double kReach = 2000;  // well past any picture's corner
    const double step = 360.0 / count;
    painter.save();
    painter.setPen(Qt::NoPen);
    QRadialGradient fade(centre, 700);
    fade.setColorAt(0, colour);
    QColor faded = colour;
    faded.setAlpha(colour.alpha() / 4);
    fade.setColorAt(1, faded);
    painter.setBrush(fade);
    for (int i = 0; i < count; ++i) {
        const double a = turnDegrees + i * step;
        QPainterPath beam;
        beam.moveTo(centre);
        beam.lineTo(centre + polar(kReach, a - step * 0.22));
        beam.lineTo(centre + polar(kReach, a + step * 0.22));
        beam.closeSubpath();
        painter.drawPath(beam);
    }
    painter.restore();
}

void paintSparkles(QPainter& painter, const QRectF& area, int count, quint32 seed, const QRectF& keepClear)
{
    QRandomGenerator random(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        if (keepClear.adjusted(-8, -8, 8, 8).contains(at))
            continue;
        const double size = 2.5 + random.bounded(6.0) * random.generateDouble();
        const QColor tint = random.bounded(3) == 0 ? QColor(0xff, 0xe8, 0x90) : QColor(Qt::white);
        paintGlint(painter, at, size, tint);
    }
}

void paintConfetti(QPainter& painter, const QRectF& area, int count, quint32 seed, const QRectF& keepClear)
{
    static const std::array<QColor, 6> kColours{QColor(0xff, 0x4d, 0x4d), QColor(0xff, 0xd2, 0x3f),
                                                QColor(0x4d, 0xd2, 0x6a), QColor(0x4d, 0xb8, 0xff),
                                                QColor(0xff, 0x6e, 0xd8), QColor(0xff, 0xa0, 0x30)};
    QRandomGenerator random(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        const double turn = random.bounded(180.0);
        const QColor colour = kColours[random.bounded(int(kColours.size()))];
        if (keepClear.adjusted(-10, -10, 10, 10).contains(at))
            continue;
        painter.save();
        painter.translate(at);
        painter.rotate(turn);
        painter.setBrush(colour);
        painter.drawRect(QRectF(-4, -1.6, 8, 3.2));
        painter.restore();
    }
    painter.restore();
}

void paintFloorShadow(QPainter& painter, const QRectF& ellipse, int alpha)
{
    painter.save();
    painter.translate(ellipse.center());
    painter.scale(1.0, ellipse.height() / ellipse.width());
    const double radius = ellipse.width() / 2;
    QRadialGradient shade(QPointF(0, 0), radius);
    shade.setColorAt(0, QColor(0, 0, 0, alpha));
    shade.setColorAt(0.6, QColor(0, 0, 0, alpha * 2 / 3));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.restore();
}

}  // namespace picgen
