#pragma once

// Everything the game shows that is drawn rather than laid out by widgets.

#include <QImage>
#include <QRect>

namespace picgen {

enum class CasketState { Closed, WithPrize, Empty };

// The game shows the resting drum over the table backdrop at this place, and
// its letter buttons cover the bottom rows of it.
inline constexpr QRect kDrumPlaceOnTable{110, 354, 600, 246};
inline constexpr int kDrumRowsLeftVisible = 216;

QImage startBackdrop();    // Scr/Nch
QImage tableBackdrop();    // Scr/Osn
QImage recordsBackdrop();  // Scr/Kn

QImage casket(CasketState state);  // Prd/Sh, Prd/ShD, Prd/ShP

// The drum at rest on the table, cut to sit exactly over `table` at its place.
QImage drumAtRest(int sector, const QImage& table);  // PolB/<n>
QImage drumSpinning(int sector);                     // PolV/<n>

}  // namespace picgen
