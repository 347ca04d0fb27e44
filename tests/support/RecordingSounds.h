// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/SoundService.h"

#include <QList>

// Keeps every sound asked for while sound is on, in order, instead of playing it.
class RecordingSounds final : public SoundService {
    Q_OBJECT
public:
    QList<Sound> played;
    QList<QList<SoundCue>> runs;
    int silenced = 0;
    int runsDropped = 0;

protected:
    void start(Sound sound) override { played.append(sound); }
    void startRun(const QList<SoundCue>& cues) override { runs.append(cues); }
    void dropRun() override { ++runsDropped; }
    void silence() override { ++silenced; }
};
