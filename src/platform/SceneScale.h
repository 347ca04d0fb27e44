// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The game's scene is 800 x 600 pixels at the middle of each maximised
// window. On a larger screen the whole program is scaled up, windows, fonts
// and boxes alike, so the scene fills the screen; "--no-scale" on the command
// line or KORDAMIR_SCALE=1 keeps one pixel of the scene on one pixel of the
// screen. KORDAMIR_SCALE may also name a factor ("1.5").
namespace scenescale {

inline constexpr QSize sceneSize{800, 600};
// Room kept free for a maximised window's title bar.
inline constexpr int titleBarAllowance = 40;
// A Wayland compositor does not tell its clients the room its panels take:
// room for a panel is kept as well.
inline constexpr int panelAllowance = 60;
inline const QString noScaleOption = QStringLiteral("--no-scale");
inline constexpr char environmentVariable[] = "KORDAMIR_SCALE";

// The factor the player asked for; none when the game is to fit the screen.
std::optional<double> requested(const QStringList& arguments, const QString& environmentValue);

// The largest factor at which the scene fits a free screen area of this many
// device pixels with `allowance` pixels of it kept free above, in steps of
// 0.05; never below 1: the toolkit draws pictures unscaled and clips controls
// at a factor below 1. A screen too small for the scene is switched to a
// larger mode where it offers one, and a window smaller than the scene keeps
// its controls in view.
double fitting(QSize availablePixels, int allowance = titleBarAllowance);

} // namespace scenescale
