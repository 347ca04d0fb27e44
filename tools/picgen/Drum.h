// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The prize drum: twelve sectors on a gold-rimmed wheel, drawn either from
// straight above or tilted away from the viewer.

#include "rules/Drum.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace picgen {

inline constexpr int kSectorCount = drum::sectorCount;
inline constexpr double kSectorDegrees = 360.0 / kSectorCount;

// Where the pointer sits, clockwise from twelve o'clock as seen from above.
inline constexpr double kPointerAtTop = 0;
inline constexpr double kPointerAtFront = 180;

struct DrumPose {
    QPointF centre;          // hub position on screen
    double radius = 100;     // half the wheel's width on screen
    double turnDegrees = 0;  // clockwise turn as seen from above
    double tiltDegrees = 0;  // 0 looks straight down; larger tips the far edge away
    double blurDegrees = 0;  // how far the wheel turned while the "shutter" was open
};

// Turn that brings sector `number` (1-based) under a pointer at `pointerDegrees`.
// The wheel turns clockwise, so sector n+1 is the next to arrive.
double turnBringingSector(int number, double pointerDegrees);

void paintDrum(QPainter& painter, const DrumPose& pose);

// The face colour of drum sector 1..12.
QColor sectorColour(int number);

// Gold pointer whose tip is at `tip`; `directionDegrees` is where the tip
// points, clockwise from twelve o'clock (180 points down).
void paintPointer(QPainter& painter, QPointF tip, double length, double directionDegrees);

// Screen point just under the front of the tilted wheel, where its pointer stands.
QPointF drumFrontEdge(const DrumPose& pose);

}  // namespace picgen
