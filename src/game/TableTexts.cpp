// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TableTexts.h"

#include "game/GameWindow.h"
#include "platform/EventLabel.h"
#include "state/GameState.h"

void fitTableTexts(GameWindow& window)
{
    window.messageLine()->setTextFitting(true);
    window.stageCaption()->setTextFitting(true);
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        window.nameLabel(seat)->setTextFitting(true);
        window.scoreLabel(seat)->setTextFitting(true);
        window.computerLine(seat)->setTextFitting(true);
    }
}
