// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small drawing helpers shared by all the pictures.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace picgen {

inline const QString kValueFamily = QStringLiteral("DejaVu Sans");
inline const QString kTitleFamily = QStringLiteral("Z003");
inline const QString kSerifFamily = QStringLiteral("Liberation Serif");

// Pictures are drawn in the game's pixels; at a picture scale of 2 every
// image has twice as many pixels each way (device pixel ratio 2), for the
// game on a scaled-up screen.
void setPictureScale(int scale);
int pictureScale();

// Transparent images stay ARGB; a fully opaque fill gives an RGB image,
// which keeps the backdrops free of a useless alpha channel. `size` is in the
// game's pixels.
QImage blankImage(QSize size, const QColor& fill = Qt::transparent);

// Sets up a painter the way every picture wants it.
void prepare(QPainter& painter);

// Point `radius` away from the origin, `degrees` clockwise from twelve o'clock.
QPointF polar(double radius, double degrees);

QFont pixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// Outline of `text` with its ink (not its advance box) centred on `centre`,
// so short labels such as "×2" sit visually in the middle of their place.
QPainterPath textPath(const QString& text, const QFont& font, QPointF centre);

// Fills a path over a stroked edge: the edge shows outside the glyphs only.
void paintOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& edge,
                   double edgeWidth);

QPainterPath starPath(QPointF centre, double outer, double inner, int points = 5, double turnDegrees = 0);

// A four-pointed glint with a soft halo.
void paintGlint(QPainter& painter, QPointF centre, double size, const QColor& colour = Qt::white);

// Polished gold running across a shape from `from` to `to`.
QLinearGradient goldGradient(QPointF from, QPointF to);

// Rounded plate with a gold edge of the given width.
void paintGoldFramedPlate(QPainter& painter, const QRectF& rect, double radius, const QBrush& fill,
                          double frameWidth);

// Pale light beams fanning out from `centre` over the whole picture.
void paintRays(QPainter& painter, QPointF centre, int count, const QColor& colour, double turnDegrees = 0);

// Sparkles and confetti scattered over `area`, skipping anything inside `keepClear`.
void paintSparkles(QPainter& painter, const QRectF& area, int count, quint32 seed,
                   const QRectF& keepClear = {});
void paintConfetti(QPainter& painter, const QRectF& area, int count, quint32 seed,
                   const QRectF& keepClear = {});

// A soft dark blur under an object standing on the floor.
void paintFloorShadow(QPainter& painter, const QRectF& ellipse, int alpha = 110);

}  // namespace picgen
