#pragma once

#include <QFont>
#include <QList>

// The game's fonts are named by their classic family names ("Comic Sans MS",
// "Monotype Corsiva", "Times New Roman"). These map them to free faces with
// Cyrillic that the setup installs; call once after the application exists.
namespace fonts {
void installSubstitutes();

// Looks the fonts up a moment from now, once the window just shown has been
// painted: fontconfig's search for a font the program has not used yet takes
// a few milliseconds, better spent before the window that needs it opens.
void lookUpSoon(const QList<QFont>& fonts);
}
