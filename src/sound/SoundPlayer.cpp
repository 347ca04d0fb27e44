// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundPlayer.h"

#include "sound/SoundMixer.h"
#include "sound/WaveFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <vector>

// What both threads reach: the mix, whether the device plays and rests, and
// the way back to the player while it lives. The sound's thread keeps it
// past the player when the player's end cannot wait for that thread.
struct SoundShared {
    SoundMixer mixer;
    // The device reads the mix; false before it answers and once it is gone.
    std::atomic<bool> playing{false};
    // The device refused the stream or went away: every sound is silent.
    // Sounds started before the device answers wait in the mix for it.
    std::atomic<bool> gone{false};
    // The device rests (it opens resting): the next start wakes it. Whoever
    // turns it false wakes the device or keeps it awake.
    std::atomic<bool> resting{true};

    std::mutex playerMutex;
    SoundPlayer* player = nullptr;

    // Runs `call` on the player's thread, unless the player is gone by then.
    template <typename Call>
    void toPlayer(Call call)
    {
        const std::lock_guard lock(playerMutex);
        if (player)
            QMetaObject::invokeMethod(
                player, [p = player, call] { call(*p); }, Qt::QueuedConnection);
    }
};

namespace {

// The mix as a device the audio output reads from. It always has data:
// silence where nothing sounds, so the stream never runs dry and stops. It
// notes when it last handed over a sound: what it hands over is heard up to
// a buffer's length later.
class MixerStream final : public QIODevice {
public:
    explicit MixerStream(SoundMixer& mixer) : mixer_(mixer)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 16; }

    std::chrono::steady_clock::time_point lastSounded() const { return lastSounded_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 frames = maxSize / static_cast<qint64>(sizeof(qint16));
        if (mixer_.mix(reinterpret_cast<qint16*>(data), frames))
            lastSounded_ = std::chrono::steady_clock::now();
        return frames * static_cast<qint64>(sizeof(qint16));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SoundMixer& mixer_;
    std::chrono::steady_clock::time_point lastSounded_;
};

// A stream left running costs a wake-up every period; between turns it rests
// once it has had nothing to sound for this long.
constexpr std::chrono::milliseconds restAfter{500};

// Threads whose end the players could not wait for: held up by a sound
// server, they finish when it answers, or never. Kept where the leak
// checker sees them, and waited for a little longer as the program ends.
std::vector<QThread*>& unfinishedThreads()
{
    static auto* threads = new std::vector<QThread*>;
    return *threads;
}

bool waitForUnfinishedThreads(QDeadlineTimer deadline)
{
    bool finished = true;
    for (QThread* thread : unfinishedThreads())
        finished = thread->wait(deadline) && finished;
    return finished;
}

void waitAtTheEnd()
{
    waitForUnfinishedThreads(QDeadlineTimer(500));
}

} // namespace

// The player's half on the sound's thread: the device, the stream it reads
// and the timer that rests it.
class SoundThreadSide final : public QObject {
public:
    SoundThreadSide(std::shared_ptr<SoundShared> shared, SoundOutputFactory makeOutput)
        : shared_(std::move(shared)), makeOutput_(std::move(makeOutput)), quiet_(this)
    {
        quiet_.setSingleShot(true);
        quiet_.setInterval(restAfter);
        connect(&quiet_, &QTimer::timeout, this, &SoundThreadSide::restWhenQuiet);
    }

    ~SoundThreadSide() override
    {
        shared_->playing = false;
        // Before the stream it may still read.
        output_.reset();
    }

    void open()
    {
        stream_ = std::make_unique<MixerStream>(shared_->mixer);
        output_ = makeOutput_();
        const QString refused = output_->open(*stream_, [this](const QString& why) { drop(why); });
        if (!refused.isEmpty()) {
            output_.reset();
            shared_->gone = true;
            shared_->mixer.stopAll();
            shared_->toPlayer([refused](SoundPlayer& player) { player.answer(refused); });
            return;
        }
        shared_->playing = true;
        shared_->toPlayer([](SoundPlayer& player) { player.answer(QString()); });
    }

    void wake()
    {
        if (!shared_->playing)
            return;
        output_->resume();
        // The device may have gone in the attempt.
        if (shared_->playing)
            quiet_.start();
    }

    // Mixed here, off the windows' thread, and handed over whole.
    void playRun(const QList<SoundCue>& cues)
    {
        if (shared_->playing)
            output_->playRun(shared_->mixer.render(cues));
    }

    void dropRun()
    {
        if (shared_->playing)
            output_->dropRun();
    }

private:
    // From inside the device's own signal: the device stays, silent, until
    // the thread ends.
    void drop(const QString& why)
    {
        shared_->gone = true;
        shared_->playing = false;
        shared_->mixer.stopAll();
        quiet_.stop();
        shared_->toPlayer([why](SoundPlayer& player) { player.dropped(why); });
    }

    void restWhenQuiet()
    {
        if (!shared_->playing)
            return;
        // From here a start wakes the device; one that came before is
        // still in the mix, or was handed over too lately to be heard yet.
        shared_->resting = true;
        const auto quietFor = shared_->mixer.voiceCount() > 0
                                  ? std::chrono::steady_clock::duration::zero()
                                  : std::chrono::steady_clock::now() - stream_->lastSounded();
        if (quietFor < restAfter) {
            if (shared_->resting.exchange(false))
                quiet_.start(std::chrono::ceil<std::chrono::milliseconds>(restAfter - quietFor));
            // Otherwise a start has just taken it and its wake is on the way.
            return;
        }
        output_->suspend();
    }

    std::shared_ptr<SoundShared> shared_;
    SoundOutputFactory makeOutput_;
    QTimer quiet_;
    std::unique_ptr<MixerStream> stream_;
    std::unique_ptr<SoundOutput> output_;
};

SoundPlayer::SoundPlayer(QString dataRoot, Report report, SoundOutputFactory output)
    : dataRoot_(std::move(dataRoot)), report_(std::move(report)), makeOutput_(std::move(output)),
      shared_(std::make_shared<SoundShared>())
{
}

SoundPlayer::~SoundPlayer()
{
    {
        const std::lock_guard lock(shared_->playerMutex);
        shared_->player = nullptr;
    }
    if (!thread_)
        return;
    shared_->playing = false;
    thread_->quit();
    if (thread_->wait(QDeadlineTimer(stopWaitMilliseconds))) {
        delete thread_;
        return;
    }
    // The device does not let go: the thread ends, and its half of the
    // player with it, whenever the sound server answers.
    if (unfinishedThreads().empty())
        qAddPostRoutine(waitAtTheEnd);
    unfinishedThreads().push_back(thread_);
}

bool SoundPlayer::finishLeftBehind(int milliseconds)
{
    return waitForUnfinishedThreads(QDeadlineTimer(milliseconds));
}

void SoundPlayer::reportOnStderr(const QString& line)
{
    std::fprintf(stderr, "kordamir: %s\n", qPrintable(line));
}

void SoundPlayer::preload()
{
    preloadDue_ = true;
    if (preloaded_ || isMuted())
        return;
    preloaded_ = true;
    loadSounds();
    startThread();
}

void SoundPlayer::loadSounds()
{
    for (const Sound sound : sounds::all()) {
        const QString path = dataRoot_ + QLatin1Char('/') + sounds::relativePath(sound);
        wavefile::Samples read = wavefile::read(path);
        if (read.error.isEmpty() && read.sampleRate != sounds::sampleRate) {
            read.error =
                QStringLiteral("sample rate %1 Hz, not %2 Hz").arg(read.sampleRate).arg(sounds::sampleRate);
        }
        if (!read.error.isEmpty()) {
            report_(QStringLiteral("sound %1 is silent: %2: %3").arg(sounds::name(sound), path, read.error));
            continue;
        }
        shared_->mixer.setSamples(sound, std::move(read.samples));
    }
}

void SoundPlayer::startThread()
{
    {
        const std::lock_guard lock(shared_->playerMutex);
        shared_->player = this;
    }
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("kordamir sound"));
    threadSide_ = new SoundThreadSide(shared_, makeOutput_);
    threadSide_->moveToThread(thread_);
    // Destroyed on its own thread as that ends, the device first.
    connect(thread_, &QThread::finished, threadSide_, &QObject::deleteLater);
    thread_->start();
    QMetaObject::invokeMethod(threadSide_, &SoundThreadSide::open, Qt::QueuedConnection);
}

void SoundPlayer::answer(const QString& problem)
{
    answered_ = true;
    if (!problem.isEmpty())
        report_(problem + QStringLiteral(": the game plays silent"));
    emit deviceAnswered();
}

void SoundPlayer::dropped(const QString& why)
{
    report_(why + QStringLiteral(": the game plays silent"));
}

bool SoundPlayer::hasDevice() const
{
    return shared_->playing;
}

qsizetype SoundPlayer::memoryBytes() const
{
    return shared_->mixer.memoryBytes();
}

int SoundPlayer::voiceCount() const
{
    return shared_->mixer.voiceCount();
}

void SoundPlayer::start(Sound sound)
{
    if (!thread_ || shared_->gone || !shared_->mixer.hasSamples(sound))
        return;
    shared_->mixer.start(sound);
    if (shared_->resting.exchange(false))
        QMetaObject::invokeMethod(threadSide_, &SoundThreadSide::wake, Qt::QueuedConnection);
}

void SoundPlayer::startRun(const QList<SoundCue>& cues)
{
    if (!thread_ || shared_->gone)
        return;
    QMetaObject::invokeMethod(
        threadSide_, [side = threadSide_, cues] { side->playRun(cues); }, Qt::QueuedConnection);
}

void SoundPlayer::dropRun()
{
    if (thread_)
        QMetaObject::invokeMethod(threadSide_, &SoundThreadSide::dropRun, Qt::QueuedConnection);
}

void SoundPlayer::silence()
{
    shared_->mixer.stopAll();
    dropRun();
}

void SoundPlayer::soundOn()
{
    if (preloadDue_)
        preload();
}
