// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QFont;
class QPainter;
class QRectF;
class QString;

// One line of text in the game's bright colours, kept readable on a light or
// a mid-tone ground by a dark rim around every glyph: the rim, not the fill,
// is what the eye finds against the ground.
namespace outlinedtext {

// Dark green, the colour of the About window's small print.
inline const QColor rimColour{0x00, 0x40, 0x00};

// `rim` is the rim's width in pixels outside the glyph; 0 draws the fill alone.
void draw(QPainter& painter, const QRectF& place, int alignment, const QString& text, const QFont& font,
          const QColor& fill, const QColor& outline, qreal rim);

} // namespace outlinedtext
