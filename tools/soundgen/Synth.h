// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Sound.h"

#include <QList>

#include <cstdint>
#include <vector>

// The game's sounds, synthesised from scratch: tones, bells, brass and noise
// shaped by envelopes and filters. Nothing is recorded or taken from
// elsewhere, and the same build always yields the same samples.
namespace soundgen {

// How loud a sound is meant to be: the menu and the letter panel only
// whisper; the drum's clacks, twenty a second for every spin, rattle
// beneath the results, and leave room for a result still ringing out when
// the next person spins; everything else speaks at one level.
enum class Level { Normal, Drum, Quiet };

struct Recipe {
    Sound sound;
    double seconds;
    Level level;
};

const Recipe& recipe(Sound sound);

// The loudness each level is matched to: the RMS of the loudest 50 ms, in dBFS.
double targetLoudness(Level level);
// Every sample stays below this many dBFS.
constexpr double peakCeilingDb = -1.0;

// The finished sound, at sounds::sampleRate.
QList<qint16> render(Sound sound);

// The RMS of the loudest 50 ms window, in dBFS (full scale 32767).
double loudnessDb(const QList<qint16>& samples);

} // namespace soundgen
