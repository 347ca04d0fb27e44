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
    int silenced = 0;

protected:
    void start(Sound sound) override { played.append(sound); }
    void silence() override { ++silenced; }
};
