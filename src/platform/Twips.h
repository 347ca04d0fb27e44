// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The game's layout is written in twips, 15 to a pixel. Every position and
// size goes through these helpers, so a number in the code can be checked
// against the layout tables as it stands.
constexpr int twipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel (halves away from zero).
constexpr int twips(int value)
{
    return value >= 0 ? (value + twipsPerPixel / 2) / twipsPerPixel
                      : -((-value + twipsPerPixel / 2) / twipsPerPixel);
}

constexpr QPoint twipsPoint(int x, int y)
{
    return {twips(x), twips(y)};
}
constexpr QSize twipsSize(int width, int height)
{
    return {twips(width), twips(height)};
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
