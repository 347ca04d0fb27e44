// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QList>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

class QThread;

// Whether an error of the toolkit's audio output ends a stream for good.
bool failedForGood(QAudio::Error error);

// Runs of sound handed to the toolkit's audio output whole, on a stream and
// a thread of their own. The toolkit looks after a stream from a 20 ms timer
// on the stream's thread, which a run written whole does not need: this
// thread sleeps while the run sounds, and looks at its events only when it
// is given something to do. Every call returns at once.
class RunStream {
public:
    // Called once, on the run's thread, when the device refuses the stream
    // or goes away; the stream is silent from then on.
    using Failed = std::function<void(const QString& why)>;

    RunStream(const QAudioDevice& device, const QAudioFormat& format, Failed failed);
    // Waits for the thread, which may be waiting for the sound server.
    ~RunStream();

    RunStream(const RunStream&) = delete;
    RunStream& operator=(const RunStream&) = delete;

    // Sounds `samples` (in the stream's format) from now; what the run
    // before still had to sound is dropped. A run not yet begun is replaced.
    void play(QList<qint16> samples);
    // Drops what the run still has to sound.
    void drop();

private:
    // What the thread is asked to do when it wakes; newer asks replace older.
    struct Orders {
        std::optional<QList<qint16>> run;
        bool drop = false;
        bool quit = false;
        bool any() const { return run || drop || quit; }
    };

    void serve(const QAudioDevice& device, const QAudioFormat& format);

    Failed failed_;
    std::mutex mutex_;
    std::condition_variable ordered_;
    Orders orders_;
    QThread* thread_ = nullptr;
};
