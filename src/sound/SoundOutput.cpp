// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundOutput.h"

#include "platform/PlayerFolders.h"

#include "sound/RunStream.h"
#include "sound/Sound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include <cstdio>

namespace {

// Short enough that a sound follows the move that makes it. The toolkit
// reads the mix only in whole periods of 20 ms, and the sound server asks
// for a quarter of the buffer at a time: at 60 ms it asked for 15 ms, a
// period waited for a second request, and the stream ran dry for 5 ms about
// every 80 ms. At 80 ms each request is one period.
constexpr int bufferMilliseconds = 80;

constexpr qsizetype bytesOf(int milliseconds)
{
    return qsizetype(sounds::sampleRate) * milliseconds / 1000 * qsizetype(sizeof(qint16));
}

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

class ToolkitSoundOutput final : public SoundOutput {
public:
    ~ToolkitSoundOutput() override
    {
        // The runs' thread first: what it reports comes through here.
        run_.reset();
        letStreamGo();
    }

    QString open(QIODevice& stream, Failed failed) override
    {
        // The sound server's client keeps files of its own below the home
        // folder, and makes that folder when it is missing: a game without
        // a usable home stays silent rather than write there.
        if (playerfolders::resolve(QString(), qEnvironmentVariable("HOME"), QStringLiteral(".config"))
                .isEmpty())
            return QStringLiteral("no usable home folder for the sound server");
        device_ = defaultOutput();
        if (device_.isNull())
            return QStringLiteral("no sound device");
        format_.setSampleRate(sounds::sampleRate);
        format_.setChannelCount(1);
        format_.setSampleFormat(QAudioFormat::Int16);
        stream_ = &stream;
        // Once now, to know that the device takes the stream; it then rests.
        const QString refused = startStream();
        if (!refused.isEmpty())
            return refused;
        letStreamGo();
        failed_ = std::move(failed);
        run_ = std::make_unique<RunStream>(device_, format_, [this](const QString& why) {
            // From the runs' own thread to this one.
            QMetaObject::invokeMethod(
                &events_, [this, why] { goneAway(why); }, Qt::QueuedConnection);
        });
        return {};
    }

    void resume() override
    {
        if (gone_ || sink_)
            return;
        const QString refused = startStream();
        if (!refused.isEmpty())
            goneAway(refused);
    }

    // A resting stream is let go rather than paused: a paused one still
    // holds the sound server's output to its own short latency, and a
    // drum's run would then be asked for more every 20 ms it plays.
    void suspend() override { letStreamGo(); }

    void playRun(const QList<qint16>& samples) override
    {
        if (!gone_ && !samples.isEmpty())
            run_->play(samples);
    }

    void dropRun() override
    {
        if (!gone_)
            run_->drop();
    }

private:
    // Connects the stream to the device and starts reading the mix; why
    // that failed, or an empty string.
    QString startStream()
    {
        sink_ = std::make_unique<QAudioSink>(device_, format_);
        sink_->setBufferSize(bytesOf(bufferMilliseconds));
        sink_->start(stream_);
        if (failedForGood(sink_->error())) {
            const QString why =
                QStringLiteral("the sound device refused the stream (error %1)").arg(sink_->error());
            letStreamGo();
            return why;
        }
        // The news may come through the event loop, after the stream has gone.
        QObject::connect(sink_.get(), &QAudioSink::stateChanged, &events_, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && sink_ && failedForGood(sink_->error()))
                goneAway(QStringLiteral("the sound device stopped (error %1)").arg(sink_->error()));
        });
        return {};
    }

    void letStreamGo()
    {
        if (!sink_)
            return;
        sink_->disconnect();
        sink_->stop();
        sink_.reset();
    }

    void goneAway(const QString& why)
    {
        if (gone_)
            return;
        gone_ = true;
        failed_(why);
    }

    QAudioDevice device_;
    QAudioFormat format_;
    QIODevice* stream_ = nullptr;
    // Lives on the sound's thread: the device's news reach it there.
    QObject events_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<RunStream> run_;
    Failed failed_;
    bool gone_ = false;
};

} // namespace

std::unique_ptr<SoundOutput> makeToolkitSoundOutput()
{
    return std::make_unique<ToolkitSoundOutput>();
}
