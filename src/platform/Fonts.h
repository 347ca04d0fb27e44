// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>

// The game's fonts are named by their classic family names ("Comic Sans MS",
// "Monotype Corsiva", "Times New Roman"). These map them to free faces with
// Cyrillic that the setup installs; call once after the application exists.
namespace fonts {
void installSubstitutes();

// Looks the fonts up now: fontconfig's search for a font the program has not
// used yet takes a few milliseconds, better spent before the window that
// needs it opens. Each font looked up stays in memory from then on.
void lookUp(const QList<QFont>& fonts);

// The same a moment from now, once the window just shown has been painted.
void lookUpSoon(const QList<QFont>& fonts);
} // namespace fonts
