// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

// Where the mix goes: the toolkit's audio output in the game, a stand-in in
// the tests. It is made, called and destroyed on the sound's own thread
// only, so none of its calls ever holds up a window, however long the sound
// server takes to answer.
class SoundOutput {
public:
    using Failed = std::function<void(const QString& why)>;

    virtual ~SoundOutput() = default;

    // Connects to the device and starts reading `stream`, resting at once.
    // Returns why that failed, or an empty string. `failed` is called, once,
    // if the device goes away later.
    virtual QString open(QIODevice& stream, Failed failed) = 0;
    virtual void resume() = 0;
    virtual void suspend() = 0;

    // Sounds `samples` from now, beside the stream, handed over in one piece:
    // nothing feeds it while it sounds. What an earlier run still had to
    // sound is dropped.
    virtual void playRun(const QList<qint16>& samples) = 0;
    virtual void dropRun() = 0;
};

using SoundOutputFactory = std::function<std::unique_ptr<SoundOutput>()>;

// The default device of the toolkit's audio output.
std::unique_ptr<SoundOutput> makeToolkitSoundOutput();
