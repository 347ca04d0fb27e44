// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/SoundOutput.h"
#include "sound/SoundService.h"

#include <functional>
#include <memory>

class QThread;
class SoundThreadSide;
struct SoundShared;

// The game's sound through the toolkit's audio output: every sound read into
// memory once, mixed into one stream, so a clack starts within a few
// milliseconds however many sound already. A missing or damaged file makes
// its sound silent; no sound device, or one that goes away, makes the whole
// game silent. Either is said in one line on stderr, never in a box.
//
// The audio output lives on a thread of its own: it is fed every 20 ms while
// anything sounds, and the sound server may be slow to answer. The windows'
// thread only hands sounds to the mix and wakes the output when it rests.
// A run known ahead, the drum's clacks for a whole turn, is mixed on that
// thread and handed to a second stream in one piece: a turning drum costs
// no feeding.
class SoundPlayer final : public SoundService {
    Q_OBJECT
public:
    using Report = std::function<void(const QString& line)>;

    // The sounds are the files sounds::relativePath() names below `dataRoot`
    // (the Data directory). Nothing is read or opened yet; each problem found
    // later is one call of `report`, on the player's thread. `output` makes
    // the device, on the sound's thread.
    explicit SoundPlayer(QString dataRoot, Report report = reportOnStderr,
                         SoundOutputFactory output = makeToolkitSoundOutput);
    // Waits for the sound's thread at most stopWaitMilliseconds; one held up
    // by the sound server is left to finish on its own.
    ~SoundPlayer() override;

    // Reads the sounds, then has the sound's thread open the device. Not on
    // the way to the first window: loading the audio system costs more than
    // showing it. While sound is off this waits until it is turned on: a
    // player who chose silence pays neither the memory nor the connection
    // to a sound server.
    void preload();
    bool isPreloaded() const { return preloaded_; }
    // True while sound reaches a device.
    bool hasDevice() const;
    // True once the device has answered the preload, either way (and
    // deviceAnswered() was emitted).
    bool isDeviceAnswered() const { return answered_; }

    // The sounds' samples held in memory, in bytes.
    qsizetype memoryBytes() const;
    // The sounds now in the mix.
    int voiceCount() const;

    static void reportOnStderr(const QString& line);

    // Waits up to `milliseconds` for the threads that ended players left
    // behind; true once none is left. One still held by a sound server
    // that does not answer also holds a lock of the toolkit's audio that
    // its clean-up at the program's exit would wait on.
    static bool finishLeftBehind(int milliseconds);

    static constexpr int stopWaitMilliseconds = 40;

signals:
    void deviceAnswered();

protected:
    void start(Sound sound) override;
    void startRun(const QList<SoundCue>& cues) override;
    void dropRun() override;
    void silence() override;
    void soundOn() override;

private:
    friend class SoundThreadSide;

    void loadSounds();
    void startThread();
    void answer(const QString& problem);
    void dropped(const QString& why);

    QString dataRoot_;
    Report report_;
    SoundOutputFactory makeOutput_;
    std::shared_ptr<SoundShared> shared_;
    QThread* thread_ = nullptr;
    SoundThreadSide* threadSide_ = nullptr;
    bool preloadDue_ = false;
    bool preloaded_ = false;
    bool answered_ = false;
};
