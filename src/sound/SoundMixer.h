// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Sound.h"

#include <QList>

#include <array>
#include <mutex>

// The sounds held in memory and the ones now sounding, mixed into one
// stream. A sound may sound several times at once (the drum's clacks follow
// each other faster than a clack dies away); the sum is clipped, never wraps.
// The windows start and stop sounds on their thread while the audio output
// mixes on its own: every call takes the mixer's lock, held no longer than
// one mix of a period.
class SoundMixer {
public:
    // More at once than a turn ever makes; beyond it the oldest stops.
    static constexpr int maxVoices = 12;

    // An empty list makes the sound silent.
    void setSamples(Sound sound, QList<qint16> samples);
    bool hasSamples(Sound sound) const;

    void start(Sound sound);
    void stopAll();
    int voiceCount() const;

    // Writes the next `frames` samples of the mix; silence where nothing
    // sounds. Whether any sound went into them.
    bool mix(qint16* out, qsizetype frames);

    // The whole of a run of sounds mixed ahead, each from its moment on, as
    // long as its last sound lasts: empty when none of them has samples.
    QList<qint16> render(const QList<SoundCue>& cues) const;

    // The sounds' samples, in bytes.
    qsizetype memoryBytes() const;

private:
    struct Voice {
        const QList<qint16>* samples = nullptr;
        qsizetype position = 0;
    };

    void stopAllLocked() { voiceCount_ = 0; }

    mutable std::mutex mutex_;
    std::array<QList<qint16>, sounds::count> samples_;
    std::array<Voice, maxVoices> voices_{};
    int voiceCount_ = 0;
    std::array<qint32, 1024> sum_{};
};
