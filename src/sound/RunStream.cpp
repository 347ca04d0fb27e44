// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/RunStream.h"

#include <QAudioSink>
#include <QCoreApplication>
#include <QThread>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The least the stream holds before it plays; a shorter run is padded with
// silence. A run is written whole, so its length costs it no lateness. The
// server asks for more each time a quarter of this has played, so a longer
// buffer wakes the sound server's client less often; but while a run plays,
// a sound that starts the low-latency stream afresh breaks off for 40 ms
// (the server's output reworks what it had mixed ahead). Padded to two
// seconds, a short spin's run still played when the sector sounded; half a
// second ends with the spin.
constexpr int bufferMilliseconds = 500;

// Past its last sample a run is surely played out once this much more has
// passed; a run that comes sooner cuts the one before short.
constexpr milliseconds playedOutSlack{300};

// A stream that waits for its next run costs the sound server a stream to
// mix and keeps the sound card open, but nothing here: it rests (is paused)
// once no run has come for this long. While a game goes on, runs come
// sooner, and a run finds the stream ready for it: written whole, it starts
// on its own, with no round trip to the server first.
constexpr milliseconds restAfter{10000};
} // namespace

bool failedForGood(QAudio::Error error)
{
    // An underrun only means a late period; the stream goes on.
    return error != QAudio::NoError && error != QAudio::UnderrunError;
}

RunStream::RunStream(const QAudioDevice& device, const QAudioFormat& format, Failed failed)
    : failed_(std::move(failed))
{
    thread_ = QThread::create([this, device, format] { serve(device, format); });
    thread_->setObjectName(QStringLiteral("kordamir runs"));
    thread_->start();
}

RunStream::~RunStream()
{
    {
        const std::lock_guard lock(mutex_);
        orders_.quit = true;
    }
    ordered_.notify_one();
    thread_->wait();
    delete thread_;
}

void RunStream::play(QList<qint16> samples)
{
    {
        const std::lock_guard lock(mutex_);
        orders_.run = std::move(samples);
    }
    ordered_.notify_one();
}

void RunStream::drop()
{
    {
        const std::lock_guard lock(mutex_);
        orders_.run.reset();
        orders_.drop = true;
    }
    ordered_.notify_one();
}

void RunStream::serve(const QAudioDevice& device, const QAudioFormat& format)
{
    QAudioSink sink(device, format);
    sink.setBufferSize(qsizetype(format.bytesForDuration(bufferMilliseconds * 1000)));
    QIODevice* input = sink.start();
    bool broken = false;
    const auto check = [&] {
        if (broken || (input && !failedForGood(sink.error())))
            return;
        broken = true;
        failed_(QStringLiteral("the sound device stopped a run (error %1)").arg(sink.error()));
    };
    check();

    // A new stream waits for data (takes none from its timer in this mode)
    // and plays as soon as a run fills its buffer.
    bool awake = true;
    Clock::time_point playedOut = Clock::now();
    for (;;) {
        Orders orders;
        {
            std::unique_lock lock(mutex_);
            const auto ordered = [this] { return orders_.any(); };
            if (awake)
                ordered_.wait_until(lock, playedOut + restAfter, ordered);
            else
                ordered_.wait(lock, ordered);
            orders = std::exchange(orders_, Orders{});
        }
        if (orders.quit)
            break;
        // What the device and the sound server said while the thread slept;
        // the toolkit's feeding timer, overdue, runs once and finds nothing.
        QCoreApplication::processEvents();
        check();
        if (broken)
            continue;

        const Clock::time_point now = Clock::now();
        if (awake && now < playedOut && (orders.run || orders.drop)) {
            // The server's buffer is the only place the rest of the run is
            // kept: a new stream starts empty.
            sink.stop();
            input = sink.start();
            check();
            if (broken)
                continue;
        } else if (awake && !orders.run && now >= playedOut + restAfter) {
            sink.suspend();
            awake = false;
        }
        if (!orders.run)
            continue;

        QList<qint16> run = std::move(*orders.run);
        // A run at least as long as the buffer starts the stream by itself:
        // a shorter one is made up with silence, and written in one piece.
        const auto bufferSamples = sink.bufferSize() / qsizetype(sizeof(qint16));
        if (run.size() < bufferSamples)
            run.resize(bufferSamples);
        const auto bytes = run.size() * qsizetype(sizeof(qint16));
        if (!awake)
            sink.resume();
        awake = true;
        input->write(reinterpret_cast<const char*>(run.constData()), bytes);
        playedOut = now + milliseconds(format.durationForBytes(qint32(bytes)) / 1000) + playedOutSlack;
        check();
    }
    sink.stop();
}
