// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SceneScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

namespace {

double unbounded(QSize availablePixels, int allowance)
{
    const double across = double(availablePixels.width()) / sceneSize.width();
    const double down = double(availablePixels.height() - allowance) / sceneSize.height();
    // A hair of tolerance, so 1.6 computed as 1.59999... stays 1.6.
    return std::floor(std::min(across, down) / step + 1e-6) * step;
}

} // namespace

double largestFittingFactor()
{
    static const double largest = unbounded(QSize(3840, 2160), titleBarAllowance);
    return largest;
}

double fitting(QSize availablePixels, int allowance)
{
    return std::clamp(unbounded(availablePixels, allowance), 1.0, largestFittingFactor());
}

double chosen(std::optional<double> wanted, QSize availablePixels, int allowance)
{
    if (!wanted)
        return fitting(availablePixels, allowance);
    // The player's factor stops where the scene would leave the screen; a
    // screen smaller than the scene is the display mode's business.
    return std::min(*wanted, std::max(1.0, unbounded(availablePixels, 0)));
}

QRect windowArea(QRect available, double deviceRatio)
{
    if (!(deviceRatio > 0) || !std::isfinite(deviceRatio))
        deviceRatio = 1.0;
    const double pixels = available.width() * deviceRatio * available.height() * deviceRatio;
    if (pixels <= double(largestWindowPixels.width()) * largestWindowPixels.height())
        return available;
    // Turned as the screen is: a tall screen gets a tall window.
    const QSize largest = available.width() >= available.height() ? largestWindowPixels
                                                                  : largestWindowPixels.transposed();
    const QSize size = available.size().boundedTo(QSize(int(std::floor(largest.width() / deviceRatio)),
                                                        int(std::floor(largest.height() / deviceRatio))));
    return {available.topLeft()
                + QPoint((available.width() - size.width()) / 2, (available.height() - size.height()) / 2),
            size};
}

QByteArray toolkitFactor(double total, double platformRatio)
{
    if (!(platformRatio > 0) || !std::isfinite(platformRatio))
        platformRatio = 1.0;
    const double factor = total / platformRatio;
    if (std::abs(factor - 1.0) < 1e-9)
        return {};
    return QByteArray::number(factor, 'g', std::numeric_limits<double>::max_digits10);
}

} // namespace scenescale
