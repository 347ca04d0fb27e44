// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

// The primary screen as the toolkit's X11 platform is going to see it, asked
// from the X server before any application object exists: building one only
// to look at the screen costs as much as the real one.
namespace xscreen {

struct Facts {
    // Free area of the primary screen (without panels), in X pixels.
    QSize available;
    // The toolkit's own scale on this screen: Xft.dpi / 96, else 1.
    double platformRatio = 1.0;
};

// Nothing when the program will not run on X11, when anything could make the
// toolkit see the screen otherwise (its scaling variables), or when the
// server cannot be asked: the caller then asks the toolkit itself.
// Its connection to the server stays open until release(): a bare X server
// (a kiosk started with xinit) resets when its last client leaves and
// refuses connections meanwhile, so the toolkit's own must come first.
std::optional<Facts> primary();
void release();

// The toolkit's ratio for an Xft.dpi value read from the X resources.
double ratioForResources(const QByteArray& resources);

} // namespace xscreen
