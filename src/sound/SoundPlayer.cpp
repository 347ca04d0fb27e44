// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundPlayer.h"

#include "platform/PlayerFolders.h"

#include "sound/WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <cstdio>

// The mix as a device the audio output reads from. It always has data:
// silence where nothing sounds, so the stream never runs dry and stops.
class MixerStream final : public QIODevice {
public:
    explicit MixerStream(SoundMixer& mixer) : mixer_(mixer)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 16; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 frames = maxSize / static_cast<qint64>(sizeof(qint16));
        mixer_.mix(reinterpret_cast<qint16*>(data), frames);
        return frames * static_cast<qint64>(sizeof(qint16));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SoundMixer& mixer_;
};

namespace {

// Enough to bridge the toolkit's 20 ms period, short enough that a clack
// keeps step with the drum's 50 ms frames.
constexpr int bufferMilliseconds = 60;
// A stream left running costs a wake-up every period; between turns it rests.
constexpr int restAfterMilliseconds = 3000;

QtMessageHandler toolkitHandler = nullptr;

// Without a sound server the toolkit complains in a line of its own; ours
// says the same and what follows from it, once.
void withoutServerComplaints(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("PulseAudioService")))
        return;
    if (toolkitHandler)
        toolkitHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

QAudioDevice defaultOutput()
{
    toolkitHandler = qInstallMessageHandler(withoutServerComplaints);
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(toolkitHandler);
    return device;
}

} // namespace

SoundPlayer::SoundPlayer(QString dataRoot, Report report)
    : dataRoot_(std::move(dataRoot)), report_(std::move(report))
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(restAfterMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, &SoundPlayer::suspendWhenQuiet);
}

SoundPlayer::~SoundPlayer()
{
    if (sink_)
        sink_->stop();
    // Before the stream it may still point to.
    sink_.reset();
    retiredSink_.reset();
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
    openDevice();
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
        mixer_.setSamples(sound, std::move(read.samples));
    }
}

void SoundPlayer::openDevice()
{
    // The sound server's client keeps files of its own below the home
    // folder, and makes that folder when it is missing: a game without a
    // usable home stays silent rather than write there.
    if (playerfolders::resolve(QString(), qEnvironmentVariable("HOME"), QStringLiteral(".config"))
            .isEmpty()) {
        report_(QStringLiteral("no usable home folder for the sound server: the game plays silent"));
        return;
    }
    const QAudioDevice device = defaultOutput();
    if (device.isNull()) {
        report_(QStringLiteral("no sound device: the game plays silent"));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(sounds::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    stream_ = std::make_unique<MixerStream>(mixer_);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(sounds::sampleRate * bufferMilliseconds / 1000 * static_cast<int>(sizeof(qint16)));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // An underrun only means a late period; the stream goes on.
        if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError
            && sink_->error() != QAudio::UnderrunError)
            dropDevice(QStringLiteral("the sound device stopped (error %1)").arg(sink_->error()));
    });
    sink_->start(stream_.get());
    // A refusal may already have been reported through the state's change.
    if (!sink_)
        return;
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        dropDevice(QStringLiteral("the sound device refused the stream (error %1)").arg(sink_->error()));
        return;
    }
    sink_->suspend();
}

void SoundPlayer::dropDevice(const QString& why)
{
    report_(why + QStringLiteral(": the game plays silent"));
    mixer_.stopAll();
    quiet_.stop();
    // Not deleted from inside its own signal: it rests, stopped, until the
    // player goes. The stream stays too: a stopped sink reads nothing.
    if (sink_) {
        sink_->disconnect(this);
        retiredSink_ = std::move(sink_);
    }
}

bool SoundPlayer::hasDevice() const
{
    return sink_ != nullptr;
}

void SoundPlayer::start(Sound sound)
{
    if (!sink_ || !mixer_.hasSamples(sound))
        return;
    mixer_.start(sound);
    if (sink_->state() == QAudio::SuspendedState)
        sink_->resume();
    quiet_.start();
}

void SoundPlayer::silence()
{
    mixer_.stopAll();
}

void SoundPlayer::soundOn()
{
    if (preloadDue_)
        preload();
}

void SoundPlayer::suspendWhenQuiet()
{
    if (!sink_)
        return;
    if (mixer_.voiceCount() > 0) {
        quiet_.start();
        return;
    }
    sink_->suspend();
}
