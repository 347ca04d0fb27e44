// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Sound.h"

#include <QList>
#include <QObject>

// What a window asks of the sound: play this, and is sound on. A window gets
// it through its services; the program hands in the real player, tests a
// recording fake. play() never blocks and never fails visibly: a sound that
// cannot be played is silent.
class SoundService : public QObject {
    Q_OBJECT
public:
    bool isMuted() const { return muted_; }
    void setMuted(bool muted);
    void toggleMuted() { setMuted(!muted_); }

    // Starts the sound unless sound is off; it mixes with whatever sounds.
    void play(Sound sound)
    {
        if (!muted_)
            start(sound);
    }

    // Starts a run of sounds known ahead, each at its moment after now: the
    // drum's clacks for a whole turn. It goes to the device in one piece, so
    // nothing has to feed it while it sounds. A run replaces the one before.
    void playRun(const QList<SoundCue>& cues)
    {
        if (!muted_)
            startRun(cues);
    }
    // What the run still has to sound stops: its window has gone.
    void stopRun() { dropRun(); }

signals:
    void mutedChanged(bool muted);

protected:
    virtual void start(Sound sound) = 0;
    virtual void startRun(const QList<SoundCue>& cues) = 0;
    virtual void dropRun() {}
    // Sound was turned off: what still sounds stops at once, a run too.
    virtual void silence() {}
    // Sound was turned on again.
    virtual void soundOn() {}

private:
    bool muted_ = false;
};

// No sound at all: for windows that are given none.
class SilentSounds final : public SoundService {
    Q_OBJECT
protected:
    void start(Sound) override {}
    void startRun(const QList<SoundCue>&) override {}
};
