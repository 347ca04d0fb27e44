// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QRect>
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

// The largest factor the scene is ever drawn at: the one that fills a 4K
// screen. A larger screen shows the scene at this factor amid a margin of
// the background colour, so that its pictures cost no more memory than on
// the largest common screens.
double largestFittingFactor();

// The most screen a window of the game covers: a 4K screen's pixels. The
// toolkit keeps a copy of every pixel of a window; a window maximised over
// a screen of 16000 x 16000 would cost a gigabyte for the lavender around a
// scene that holds no more than on 4K.
inline constexpr QSize largestWindowPixels{3840, 2160};

// Where a maximised window of the game goes on a free area of the screen
// given in the toolkit's units at `deviceRatio` pixels to the unit: the
// whole area while it holds no more pixels than a 4K screen, else a 4K
// screen's worth in its middle (turned upright on a tall screen).
QRect windowArea(QRect available, double deviceRatio);

// The factor the whole program is scaled by on a screen with this free
// area: the player's, else the fit; never more than the whole area holds,
// so that no factor puts the scene out of reach.
double chosen(std::optional<double> wanted, QSize availablePixels, int allowance = titleBarAllowance);

// The value of the toolkit's QT_SCALE_FACTOR that makes it scale by `total`
// on a screen it already scales by `platformRatio` itself (Xft.dpi / 96),
// as it multiplies the two; empty when it need not be set. Written with all
// its digits: a desktop that claims a billion dots per inch needs a factor
// of a ten-millionth, which fixed decimals would turn into 0 and the
// toolkit into no factor at all.
QByteArray toolkitFactor(double total, double platformRatio);

} // namespace scenescale
