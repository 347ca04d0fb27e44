// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double rate = sounds::sampleRate;
constexpr double twoPi = 2 * std::numbers::pi;

using Buffer = std::vector<double>;

// A fixed sequence, so that every build writes the same files.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() // uniform in [-1, 1)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }
    double between(double low, double high) { return low + (high - low) * (next() + 1) / 2; }

private:
    std::uint32_t state_;
};

std::size_t at(double seconds)
{
    return static_cast<std::size_t>(std::max(0.0, seconds) * rate);
}

// Two-pole band-pass (constant peak gain), as in the usual audio cookbook.
class BandPass {
public:
    BandPass(double centre, double q)
    {
        const double w = twoPi * centre / rate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A partial that starts at once (after a short attack) and dies away.
void addDecaying(Buffer& out, double start, double freq, double amp, double decay, double attack = 0.002)
{
    const std::size_t first = at(start);
    const std::size_t last = std::min(out.size(), first + at(decay * 7));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / rate;
        const double rise = t < attack ? t / attack : 1.0;
        out[i] += amp * rise * std::exp(-t / decay) * std::sin(twoPi * freq * t);
    }
}

// A struck bar: the inharmonic partials of a glockenspiel, the higher dying sooner.
void addBell(Buffer& out, double start, double freq, double amp, double decay)
{
    constexpr std::array<std::array<double, 3>, 4> partials{
        {{1.0, 1.0, 1.0}, {2.76, 0.35, 0.45}, {5.40, 0.18, 0.25}, {8.93, 0.08, 0.15}}};
    for (const auto& [ratio, level, life] : partials) {
        if (freq * ratio < rate / 2.5)
            addDecaying(out, start, freq * ratio, amp * level, decay * life);
    }
}

// A held note with the harmonics of a brass instrument, brighter as it
// swells, with a little vibrato once it sounds.
void addBrass(Buffer& out, double start, double length, double freq, double amp, int harmonics = 9,
              double vibrato = 0.004)
{
    const std::size_t first = at(start);
    const double release = 0.06;
    const std::size_t last = std::min(out.size(), first + at(length + release));
    double phase = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / rate;
        double envelope = 1.0;
        if (t < 0.025)
            envelope = t / 0.025;
        else if (t < 0.1)
            envelope = 1.0 - 0.2 * (t - 0.025) / 0.075;
        else
            envelope = 0.8;
        if (t > length)
            envelope *= std::max(0.0, 1.0 - (t - length) / release);
        const double wobble = t > 0.15 ? 1 + vibrato * std::sin(twoPi * 5.5 * t) : 1.0;
        phase += twoPi * freq * wobble / rate;
        const double brightness = std::min(1.0, 0.35 + t / 0.08);
        double sample = 0;
        for (int n = 1; n <= harmonics && freq * n < rate / 2.5; ++n)
            sample += std::pow(brightness, n - 1) * std::sin(n * phase) / n;
        out[i] += amp * envelope * sample;
    }
}

// A soft tone gliding from one pitch to another, with a few odd harmonics.
void addGlide(Buffer& out, double start, double length, double from, double to, double amp, int harmonics = 3)
{
    const std::size_t first = at(start);
    const std::size_t last = std::min(out.size(), first + at(length));
    double phase = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / rate;
        const double freq = from * std::pow(to / from, t / length);
        phase += twoPi * freq / rate;
        const double envelope = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.05);
        double sample = 0;
        for (int n = 1; n <= 2 * harmonics - 1; n += 2)
            sample += std::sin(n * phase) / (n * n);
        out[i] += amp * envelope * sample;
    }
}

// A burst of filtered noise: the wood of a clack, one clap of the hall.
void addNoiseBurst(Buffer& out, Noise& noise, double start, double centre, double q, double amp, double decay)
{
    BandPass filter(centre, q);
    const std::size_t first = at(start);
    const std::size_t last = std::min(out.size(), first + at(decay * 7));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / rate;
        out[i] += amp * std::exp(-t / decay) * filter(noise.next());
    }
}

void addClack(Buffer& out, Noise& noise, double start, double amp)
{
    addNoiseBurst(out, noise, start, 2600, 1.4, amp * 2.2, 0.0035);
    addDecaying(out, start, 1450, amp * 0.55, 0.006, 0.0005);
    addDecaying(out, start, 640, amp * 0.45, 0.009, 0.0005);
}

void addClap(Buffer& out, Noise& noise, double start, double amp)
{
    const double centre = noise.between(900, 2200);
    for (int hit = 0; hit < 3; ++hit)
        addNoiseBurst(out, noise, start + hit * 0.009, centre, 1.1, amp * (hit == 2 ? 1.0 : 0.6), 0.004);
    addNoiseBurst(out, noise, start + 0.018, centre, 0.8, amp * 0.5, 0.02);
}

// Applause that swells, holds and dies away over `length` seconds.
void addApplause(Buffer& out, Noise& noise, double start, double length, double amp)
{
    const int claps = static_cast<int>(length * 55);
    for (int c = 0; c < claps; ++c) {
        const double t = noise.between(0, length);
        const double swell = std::min({1.0, t / 0.4, (length - t) / (0.45 * length)});
        addClap(out, noise, start + t, amp * std::max(0.0, swell) * noise.between(0.5, 1.0));
    }
}

double note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Named pitches, counted from A4.
constexpr int C4 = -9, D4 = -7, E4 = -5, G4 = -2, Ab4 = -1, A4 = 0, C5 = 3, D5 = 5, E5 = 7, Gs5 = 11, G5 = 10,
              A5 = 12, B5 = 14, C6 = 15, E6 = 19, G6 = 22, C7 = 27;
constexpr int G3 = -14, Fs3 = -15, F3 = -16, E3 = -17;

Buffer synthesise(Sound sound, double seconds)
{
    Buffer out(at(seconds), 0.0);
    Noise noise(0x4B6F7264u + static_cast<std::uint32_t>(sound) * 7919u);
    switch (sound) {
    case Sound::DrumClack:
        addClack(out, noise, 0.0, 1.0);
        break;
    case Sound::DrumStop:
        // Sounds over the last frame's clack: the knock of the drum coming
        // to rest and a bell, no clack of its own (two would clip).
        addDecaying(out, 0.004, 95, 0.9, 0.07, 0.003);
        addDecaying(out, 0.004, 190, 0.5, 0.04, 0.003);
        addNoiseBurst(out, noise, 0.004, 320, 0.9, 1.2, 0.02);
        addBell(out, 0.09, note(E5), 0.22, 0.12);
        break;
    case Sound::SectorPoints:
        addBell(out, 0.0, note(C6), 0.5, 0.16);
        addBell(out, 0.09, note(G6), 0.5, 0.2);
        break;
    case Sound::SectorDouble: {
        const std::array<int, 4> run{C6, E6, G6, C7};
        for (std::size_t i = 0; i < run.size(); ++i) {
            addBell(out, 0.07 * static_cast<double>(i), note(run[i]), 0.42, 0.14);
            addBell(out, 0.07 * static_cast<double>(i), note(run[i] - 12), 0.2, 0.14);
        }
        break;
    }
    case Sound::SectorPassTurn:
        addGlide(out, 0.0, 0.2, note(G4), note(G4) * 0.98, 0.55);
        addGlide(out, 0.2, 0.36, note(D4), note(D4) * 0.94, 0.55);
        break;
    case Sound::SectorBankrupt: {
        const std::array<int, 4> fall{G3, Fs3, F3, E3};
        for (std::size_t i = 0; i < fall.size(); ++i) {
            const bool last = i + 1 == fall.size();
            addBrass(out, 0.3 * static_cast<double>(i), last ? 0.62 : 0.24, note(fall[i]), 0.5, 7,
                     last ? 0.03 : 0.004);
        }
        break;
    }
    case Sound::SectorPlus: {
        const std::array<int, 8> sparkle{C6, D5 + 12, E6, G6, A5 + 12, C7, E6 + 12, G6 + 12};
        for (std::size_t i = 0; i < sparkle.size(); ++i)
            addBell(out, 0.04 * static_cast<double>(i), note(sparkle[i]), 0.3, 0.1);
        addBell(out, 0.36, note(C7), 0.35, 0.2);
        break;
    }
    case Sound::LetterRight:
        addBell(out, 0.0, note(E6), 0.6, 0.16);
        addDecaying(out, 0.0, note(E6) * 2, 0.12, 0.08);
        break;
    case Sound::LetterWrong:
        addGlide(out, 0.0, 0.42, 150, 122, 0.5, 5);
        addGlide(out, 0.0, 0.42, 157, 128, 0.4, 5);
        break;
    case Sound::LetterPress:
        addNoiseBurst(out, noise, 0.0, 3800, 1.5, 1.2, 0.002);
        addDecaying(out, 0.0, 1900, 0.5, 0.004, 0.0005);
        break;
    case Sound::BoxesOffered: {
        const std::array<int, 4> up{E5, Gs5, B5, E6};
        for (std::size_t i = 0; i < up.size(); ++i)
            addBell(out, 0.09 * static_cast<double>(i), note(up[i]), 0.4, 0.18);
        for (int trill = 0; trill < 6; ++trill)
            addBell(out, 0.4 + 0.06 * trill, note(trill % 2 ? B5 : Gs5), 0.22, 0.1);
        break;
    }
    case Sound::BoxPrize:
        for (int coin = 0; coin < 12; ++coin)
            addBell(out, noise.between(0.0, 0.4), noise.between(2800, 4600), 0.16, 0.06);
        addBrass(out, 0.05, 0.55, note(C5), 0.28);
        addBrass(out, 0.05, 0.55, note(E5), 0.24);
        addBrass(out, 0.05, 0.55, note(G5), 0.22);
        break;
    case Sound::BoxEmpty:
        addDecaying(out, 0.0, 110, 0.8, 0.06, 0.003);
        addNoiseBurst(out, noise, 0.0, 250, 0.8, 0.8, 0.025);
        addGlide(out, 0.12, 0.24, note(E4), note(E4) * 0.97, 0.45);
        addGlide(out, 0.38, 0.3, note(D4), note(D4) * 0.93, 0.45);
        break;
    case Sound::WordWonByLetters: {
        const std::array<int, 4> run{C5, E5, G5, C6};
        for (std::size_t i = 0; i < run.size(); ++i)
            addBell(out, 0.1 * static_cast<double>(i), note(run[i]), 0.4, 0.16);
        for (const int chord : run)
            addBell(out, 0.45, note(chord), 0.25, 0.3);
        break;
    }
    case Sound::WordWonBySaying: {
        addBrass(out, 0.0, 0.1, note(G4), 0.4);
        addBrass(out, 0.13, 0.1, note(C5), 0.4);
        addBrass(out, 0.26, 0.1, note(E5), 0.4);
        addBrass(out, 0.39, 0.75, note(G5), 0.38);
        addBrass(out, 0.39, 0.75, note(C5), 0.28);
        addBrass(out, 0.39, 0.75, note(E5), 0.24);
        for (const int top : {C6, E6, G6})
            addBell(out, 0.39, note(top), 0.12, 0.3);
        break;
    }
    case Sound::WordWrong:
        addGlide(out, 0.0, 0.3, 196, 190, 0.45, 6);
        addGlide(out, 0.0, 0.3, 199, 193, 0.35, 6);
        addGlide(out, 0.33, 0.42, 185, 165, 0.45, 6);
        addGlide(out, 0.33, 0.42, 188, 168, 0.35, 6);
        break;
    case Sound::Champion:
        addApplause(out, noise, 0.0, seconds - 0.05, 1.4);
        addBrass(out, 0.0, 0.11, note(G4), 0.3);
        addBrass(out, 0.15, 0.11, note(G4), 0.3);
        addBrass(out, 0.3, 0.11, note(G4), 0.3);
        addBrass(out, 0.45, 0.55, note(C5), 0.32);
        addBrass(out, 1.1, 0.2, note(A4), 0.3);
        addBrass(out, 1.35, 1.3, note(C5), 0.26);
        addBrass(out, 1.35, 1.3, note(E5), 0.22);
        addBrass(out, 1.35, 1.3, note(G5), 0.22);
        addBrass(out, 1.35, 1.3, note(C4), 0.24);
        break;
    case Sound::RecordsChampion: {
        const std::array<int, 8> run{C5, D5, E5, G5, A5, C6, E6, G6};
        for (std::size_t i = 0; i < run.size(); ++i)
            addBell(out, 0.055 * static_cast<double>(i), note(run[i]), 0.3, 0.12);
        for (const int chord : {C6, E6, G6})
            addBell(out, 0.5, note(chord), 0.3, 0.4);
        break;
    }
    case Sound::MenuPoint:
        addDecaying(out, 0.0, 1760, 0.6, 0.006, 0.001);
        addNoiseBurst(out, noise, 0.0, 3000, 1.5, 0.3, 0.002);
        break;
    case Sound::MenuChoose:
        addDecaying(out, 0.0, note(A5), 0.5, 0.02, 0.002);
        addDecaying(out, 0.045, note(A5) * 1.5, 0.5, 0.025, 0.002);
        break;
    }
    return out;
}

// No slow drift off the centre line: a gentle high-pass, then the mean taken out.
void removeOffset(Buffer& samples)
{
    const double coefficient = std::exp(-twoPi * 25 / rate);
    double previousIn = 0, previousOut = 0;
    for (double& x : samples) {
        const double y = coefficient * (previousOut + x - previousIn);
        previousIn = x;
        previousOut = y;
        x = y;
    }
    double mean = 0;
    for (const double x : samples)
        mean += x;
    mean /= static_cast<double>(samples.size());
    for (double& x : samples)
        x -= mean;
}

// Raised-cosine ramps at both ends: the first and last samples are zero, no
// click. What the ramps leave of an offset goes too, shaped like them, so the
// ends stay at zero.
void fadeEnds(Buffer& samples, double fadeIn, double fadeOut)
{
    Buffer shape(samples.size(), 1.0);
    const std::size_t in = std::min(samples.size() / 2, at(fadeIn));
    const std::size_t out = std::min(samples.size() / 2, at(fadeOut));
    for (std::size_t i = 0; i < in; ++i)
        shape[i] = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
    for (std::size_t i = 0; i < out; ++i)
        shape[samples.size() - 1 - i] =
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));
    double sum = 0, weight = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] *= shape[i];
        sum += samples[i];
        weight += shape[i];
    }
    const double offset = sum / std::max(weight, 1.0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] -= offset * shape[i];
}

double windowLoudness(const Buffer& samples)
{
    const std::size_t window = std::min(samples.size(), at(0.05));
    double sum = 0;
    for (std::size_t i = 0; i < window; ++i)
        sum += samples[i] * samples[i];
    double loudest = sum;
    for (std::size_t i = window; i < samples.size(); ++i) {
        sum += samples[i] * samples[i] - samples[i - window] * samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return std::sqrt(std::max(loudest, 0.0) / static_cast<double>(std::max<std::size_t>(window, 1)));
}

const std::array<Recipe, sounds::count> recipes{{
    {Sound::DrumClack, 0.040, Level::Drum},        {Sound::DrumStop, 0.50, Level::Normal},
    {Sound::SectorPoints, 0.60, Level::Normal},    {Sound::SectorDouble, 0.70, Level::Normal},
    {Sound::SectorPassTurn, 0.62, Level::Normal},  {Sound::SectorBankrupt, 1.60, Level::Normal},
    {Sound::SectorPlus, 0.90, Level::Normal},      {Sound::LetterRight, 0.50, Level::Normal},
    {Sound::LetterWrong, 0.45, Level::Normal},     {Sound::LetterPress, 0.030, Level::Quiet},
    {Sound::BoxesOffered, 0.90, Level::Normal},    {Sound::BoxPrize, 1.00, Level::Normal},
    {Sound::BoxEmpty, 0.75, Level::Normal},        {Sound::WordWonByLetters, 1.40, Level::Normal},
    {Sound::WordWonBySaying, 1.50, Level::Normal}, {Sound::WordWrong, 0.80, Level::Normal},
    {Sound::Champion, 4.00, Level::Normal},        {Sound::RecordsChampion, 1.90, Level::Normal},
    {Sound::MenuPoint, 0.040, Level::Quiet},       {Sound::MenuChoose, 0.13, Level::Quiet},
}};

} // namespace

const Recipe& recipe(Sound sound)
{
    return recipes.at(static_cast<std::size_t>(sound));
}

double targetLoudness(Level level)
{
    switch (level) {
    case Level::Normal:
        break;
    case Level::Drum:
        return -24.0;
    case Level::Quiet:
        return -29.0;
    }
    return -17.0;
}

QList<qint16> render(Sound sound)
{
    const Recipe& wanted = recipe(sound);
    Buffer samples = synthesise(sound, wanted.seconds);
    removeOffset(samples);
    // A clack must be heard at its start; longer sounds may ease in.
    fadeEnds(samples, 0.0015, std::min(0.04, wanted.seconds / 4));

    // Matched by the loudness of their loudest moment, then held under the ceiling.
    double gain = std::pow(10.0, targetLoudness(wanted.level) / 20) / std::max(windowLoudness(samples), 1e-9);
    double peak = 0;
    for (const double x : samples)
        peak = std::max(peak, std::abs(x));
    const double ceiling = std::pow(10.0, peakCeilingDb / 20) * 0.98;
    gain = std::min(gain, ceiling / std::max(peak, 1e-9));

    QList<qint16> out;
    out.reserve(static_cast<qsizetype>(samples.size()));
    for (const double x : samples)
        out.append(static_cast<qint16>(std::lround(std::clamp(x * gain, -1.0, 1.0) * 32767)));
    return out;
}

double loudnessDb(const QList<qint16>& samples)
{
    Buffer scaled;
    scaled.reserve(static_cast<std::size_t>(samples.size()));
    for (const qint16 x : samples)
        scaled.push_back(x / 32767.0);
    return 20 * std::log10(std::max(windowLoudness(scaled), 1e-9));
}

} // namespace soundgen
