// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Everything the game shows that is drawn rather than laid out by widgets.

#include <QDir>
#include <QImage>
#include <QRect>
#include <QStringList>

namespace picgen {

enum class CasketState { Closed, WithPrize, Empty };

QImage startBackdrop();    // Scr/Nch
QImage tableBackdrop();    // Scr/Osn
QImage recordsBackdrop();  // Scr/Kn

QImage casket(CasketState state);  // Prd/Sh, Prd/ShD, Prd/ShP

// The drum at rest on the table, cut to sit exactly over `table` at its place.
QImage drumAtRest(int sector, const QImage& table);  // PolB/<n>
QImage drumSpinning(int sector);                     // PolV/<n>

// A point of the resting drum's face just behind the pointer's tip, where the
// stopped sector shows.
QPoint restingFaceUnderPointer();

// Draws every picture of pictures::all() into dataDir; the files that could
// not be written (none on success).
QStringList writeAll(const QDir& dataDir);

}  // namespace picgen
