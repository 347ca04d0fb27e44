// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundService.h"

void SoundService::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    muted_ = muted;
    if (muted)
        silence();
    else
        soundOn();
    emit mutedChanged(muted);
}
