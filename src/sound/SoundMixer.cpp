// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundMixer.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Adds `count` samples into a block's sums.
void addInto(qint32* sums, const qint16* samples, qsizetype count)
{
    std::transform(samples, samples + count, sums, sums,
                   [](qint16 add, qint32 total) { return total + add; });
}

// A block's sums as samples: clipped, never wrapped.
void clipInto(qint16* out, const qint32* sums, qsizetype count)
{
    std::transform(sums, sums + count, out, [](qint32 value) {
        return static_cast<qint16>(std::clamp<qint32>(value, std::numeric_limits<qint16>::min(),
                                                      std::numeric_limits<qint16>::max()));
    });
}

} // namespace

void SoundMixer::setSamples(Sound sound, QList<qint16> samples)
{
    const std::lock_guard lock(mutex_);
    // A voice still reading the old samples would read freed memory.
    stopAllLocked();
    samples_.at(static_cast<std::size_t>(sound)) = std::move(samples);
}

bool SoundMixer::hasSamples(Sound sound) const
{
    const std::lock_guard lock(mutex_);
    return !samples_.at(static_cast<std::size_t>(sound)).isEmpty();
}

void SoundMixer::start(Sound sound)
{
    const std::lock_guard lock(mutex_);
    const QList<qint16>& samples = samples_.at(static_cast<std::size_t>(sound));
    if (samples.isEmpty())
        return;
    if (voiceCount_ == maxVoices) {
        std::move(voices_.begin() + 1, voices_.end(), voices_.begin());
        --voiceCount_;
    }
    voices_.at(static_cast<std::size_t>(voiceCount_++)) = Voice{&samples, 0};
}

void SoundMixer::stopAll()
{
    const std::lock_guard lock(mutex_);
    stopAllLocked();
}

int SoundMixer::voiceCount() const
{
    const std::lock_guard lock(mutex_);
    return voiceCount_;
}

bool SoundMixer::mix(qint16* out, qsizetype frames)
{
    const std::lock_guard lock(mutex_);
    const bool sounded = voiceCount_ > 0;
    while (frames > 0) {
        const qsizetype block = std::min<qsizetype>(frames, static_cast<qsizetype>(sum_.size()));
        if (voiceCount_ == 0) {
            std::memset(out, 0, static_cast<std::size_t>(frames) * sizeof(qint16));
            return sounded;
        }
        std::fill_n(sum_.begin(), block, 0);
        for (int v = 0; v < voiceCount_; ++v) {
            Voice& voice = voices_.at(static_cast<std::size_t>(v));
            const qsizetype length = std::min(block, voice.samples->size() - voice.position);
            addInto(sum_.data(), voice.samples->constData() + voice.position, length);
            voice.position += length;
        }
        clipInto(out, sum_.data(), block);
        // Finished voices leave; the others keep their order, oldest first.
        const auto end = std::remove_if(
            voices_.begin(), voices_.begin() + voiceCount_,
            [](const Voice& voice) { return voice.position >= voice.samples->size(); });
        voiceCount_ = static_cast<int>(end - voices_.begin());
        out += block;
        frames -= block;
    }
    return sounded;
}

QList<qint16> SoundMixer::render(const QList<SoundCue>& cues) const
{
    const std::lock_guard lock(mutex_);
    const auto startOf = [](const SoundCue& cue) {
        return static_cast<qsizetype>(std::max(cue.afterMs, 0)) * sounds::sampleRate / 1000;
    };
    qsizetype length = 0;
    for (const SoundCue& cue : cues) {
        const QList<qint16>& samples = samples_.at(static_cast<std::size_t>(cue.sound));
        if (!samples.isEmpty())
            length = std::max(length, startOf(cue) + samples.size());
    }
    // Summed a block at a time: a spin's run is a couple of seconds, and a
    // sum as long as the run would cost its first touch of every page.
    QList<qint16> run(length);
    decltype(sum_) sum{};
    const auto blockSize = static_cast<qsizetype>(sum.size());
    for (qsizetype from = 0; from < length; from += blockSize) {
        const qsizetype to = std::min(length, from + blockSize);
        std::fill(sum.begin(), sum.end(), 0);
        for (const SoundCue& cue : cues) {
            const QList<qint16>& samples = samples_.at(static_cast<std::size_t>(cue.sound));
            const qsizetype start = startOf(cue);
            const qsizetype begin = std::max(from, start);
            const qsizetype end = std::min(to, start + samples.size());
            if (begin >= end)
                continue;
            addInto(sum.data() + (begin - from), samples.constData() + (begin - start), end - begin);
        }
        clipInto(run.data() + from, sum.data(), to - from);
    }
    return run;
}

qsizetype SoundMixer::memoryBytes() const
{
    const std::lock_guard lock(mutex_);
    qsizetype bytes = 0;
    for (const QList<qint16>& samples : samples_)
        bytes += samples.size() * static_cast<qsizetype>(sizeof(qint16));
    return bytes;
}
