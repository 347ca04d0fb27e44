// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SceneScale.h"

#include <algorithm>
#include <cmath>

namespace scenescale {

namespace {

constexpr double smallestFactor = 0.5;
constexpr double largestFactor = 8.0;
constexpr double step = 0.05;

} // namespace

std::optional<double> requested(const QStringList& arguments, const QString& environmentValue)
{
    if (arguments.contains(noScaleOption))
        return 1.0;
    bool number = false;
    const double factor = environmentValue.trimmed().toDouble(&number);
    // Anything but a sensible number ("auto", "", "0") leaves the fit to the screen.
    if (number && factor >= smallestFactor && factor <= largestFactor)
        return factor;
    return std::nullopt;
}

double fitting(QSize availablePixels, int allowance)
{
    const double across = double(availablePixels.width()) / sceneSize.width();
    const double down = double(availablePixels.height() - allowance) / sceneSize.height();
    // A hair of tolerance, so 1.6 computed as 1.59999... stays 1.6.
    const double fit = std::floor(std::min(across, down) / step + 1e-6) * step;
    return std::clamp(fit, 1.0, largestFactor);
}

} // namespace scenescale
