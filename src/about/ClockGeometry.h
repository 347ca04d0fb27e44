// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QTime>

// Where the clock's hands and tick dots end, in twips of the About window's
// client area. Plain arithmetic: time comes in from outside.
namespace clockgeometry {

enum class Hand { Second, Minute, Hour };

// Every hand starts here.
inline constexpr QPoint centre{2520, 3180};
inline constexpr int longHandLength = 1080;
inline constexpr int hourHandLength = 540;

// The free end of a hand of `length` twips at `clockAngleDegrees`, clockwise
// from 12 o'clock. The offsets are floored, not rounded, so mirrored points
// may differ by a twip (the dots at 7 and 11 do).
QPoint handEnd(int clockAngleDegrees, int length);

// Clockwise from 12 o'clock, in whole degrees. The hour hand creeps one
// degree every two minutes; 0 and 12 o'clock are the same angle.
int clockAngle(Hand hand, QTime time);
int handLength(Hand hand);
QPoint handEnd(Hand hand, QTime time);

// Tick dot 1..12: where a long hand points at that hour.
QPoint tickDot(int hour);

} // namespace clockgeometry
