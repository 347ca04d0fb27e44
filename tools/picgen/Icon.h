// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace picgen {

// The game's icon, `size` pixels square, on a transparent ground.
QImage gameIcon(int size);

// Writes hicolor/<n>x<n>/apps/kordamir.png below `themeRoot` for every size.
bool writeIcons(const QString& themeRoot, const QList<int>& sizes);

}  // namespace picgen
