// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>

// Scores never wrap: a sum or product past the largest int stays there.
namespace score {

constexpr int largest = std::numeric_limits<int>::max();

// 0 <= points
constexpr int added(int score, int points)
{
    return score > largest - points ? largest : score + points;
}

// 0 <= score
constexpr int doubled(int score)
{
    return score > largest / 2 ? largest : score * 2;
}

} // namespace score
