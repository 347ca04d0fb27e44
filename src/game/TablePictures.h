// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>

// The small pictures of the game table that are drawn by the program itself:
// the players' stands, the score plates, the turn marker, the plate behind the
// message line and the strip that covers the hidden word.
namespace tablepictures {
QPixmap stand(QSize size);
QPixmap scorePlate(QSize size);
QPixmap turnMarker(QSize size);
QPixmap messagePlate(QSize size);
QPixmap strip(QSize size);
} // namespace tablepictures
