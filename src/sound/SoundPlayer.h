// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/SoundMixer.h"
#include "sound/SoundService.h"

#include <QTimer>

#include <functional>
#include <memory>

class QAudioSink;
class MixerStream;

// The game's sound through the toolkit's audio output: every sound read into
// memory once, mixed into one stream, so a clack starts within a few
// milliseconds however many sound already. A missing or damaged file makes
// its sound silent; no sound device, or one that goes away, makes the whole
// game silent. Either is said in one line on stderr, never in a box.
class SoundPlayer final : public SoundService {
    Q_OBJECT
public:
    using Report = std::function<void(const QString& line)>;

    // The sounds are the files sounds::relativePath() names below `dataRoot`
    // (the Data directory). Nothing is read or opened yet; each problem found
    // later is one call of `report`.
    explicit SoundPlayer(QString dataRoot, Report report = reportOnStderr);
    ~SoundPlayer() override;

    // Reads the sounds and opens the device. Not on the way to the first
    // window: loading the audio system costs more than showing it. While
    // sound is off this waits until it is turned on: a player who chose
    // silence pays neither the memory nor the connection to a sound server.
    void preload();
    bool isPreloaded() const { return preloaded_; }
    // True while sound reaches a device.
    bool hasDevice() const;

    // The sounds' samples held in memory, in bytes.
    qsizetype memoryBytes() const { return mixer_.memoryBytes(); }

    static void reportOnStderr(const QString& line);

protected:
    void start(Sound sound) override;
    void silence() override;
    void soundOn() override;

private:
    void loadSounds();
    void openDevice();
    void dropDevice(const QString& why);
    void suspendWhenQuiet();

    QString dataRoot_;
    Report report_;
    SoundMixer mixer_;
    std::unique_ptr<MixerStream> stream_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QAudioSink> retiredSink_;
    QTimer quiet_;
    bool preloadDue_ = false;
    bool preloaded_ = false;
};
