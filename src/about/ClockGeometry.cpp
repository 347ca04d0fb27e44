// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/ClockGeometry.h"

#include <cmath>

namespace clockgeometry {

namespace {

// The dial's numbers depend on this exact value of pi: a more precise one
// moves some ends by a twip.
constexpr double pi = 3.14159265358979;

double radians(double degrees)
{
    return degrees * pi / 180.0;
}

} // namespace

QPoint handEnd(int clockAngleDegrees, int length)
{
    // Counter-clockwise from 3 o'clock, in (0, 360].
    int theta = (450 - clockAngleDegrees) % 360;
    if (theta <= 0)
        theta += 360;

    const double r = length;
    double dx = 0.0;
    double dy = 0.0; // up
    if (theta == 90) {
        dy = r;
    } else if (theta == 180) {
        dx = -r;
    } else if (theta == 270) {
        dy = -r;
    } else {
        // Reduced to a first-quadrant angle so that only sines are needed;
        // 360 (3 o'clock) falls into the last quadrant and still ends at (r, 0).
        int u = theta;
        if (u > 90)
            u -= 90;
        if (u > 180)
            u -= 180;
        const double sinU = std::sin(radians(u));
        const double sinV = std::sin(radians(90 - u));
        if (theta < 90) {
            dx = r * sinV;
            dy = r * sinU;
        } else if (theta < 270) {
            dx = -r * sinU;
            dy = r * sinV;
        } else {
            dx = r * sinU;
            dy = -r * sinV;
        }
    }
    return {centre.x() + static_cast<int>(std::floor(dx)), centre.y() + static_cast<int>(std::floor(-dy))};
}

int clockAngle(Hand hand, QTime time)
{
    switch (hand) {
    case Hand::Second:
        return 6 * time.second();
    case Hand::Minute:
        return 6 * time.minute();
    case Hand::Hour:
        break;
    }
    const int hour = time.hour() > 12 ? time.hour() - 12 : time.hour();
    return 30 * hour + time.minute() / 2;
}

int handLength(Hand hand)
{
    return hand == Hand::Hour ? hourHandLength : longHandLength;
}

QPoint handEnd(Hand hand, QTime time)
{
    return handEnd(clockAngle(hand, time), handLength(hand));
}

QPoint tickDot(int hour)
{
    return handEnd(30 * hour, longHandLength);
}

} // namespace clockgeometry
