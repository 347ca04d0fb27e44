// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <random>

// The one source of chance in the game. Every draw of the rules takes its
// uniform number from here, so tests can hand in a scripted sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A uniform number r with 0 <= r < 1.
    virtual double uniform() = 0;

    // floor(r * n) + 1: a whole number 1..n, each equally likely (n >= 1).
    int draw(int n) { return static_cast<int>(std::floor(uniform() * n)) + 1; }
};

// The program's generator: seeded once at start. Seeding again before every
// draw from the clock would repeat a draw made within the same clock tick.
class SeededRandom final : public RandomSource {
public:
    SeededRandom() : engine_(std::random_device{}()) {}
    explicit SeededRandom(unsigned seed) : engine_(seed) {}

    double uniform() override { return distribution_(engine_); }

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> distribution_{0.0, 1.0};
};
