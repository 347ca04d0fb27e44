// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>

class SoundService;

// A small speaker that shows whether sound is on and turns it off and on when
// clicked: waves beside it while sound plays, a red cross when it is off.
// Any window may carry one; all of them follow the one sound service.
class SpeakerButton : public QAbstractButton {
    Q_OBJECT
public:
    // Its size in the scene's pixels.
    static constexpr int side = 32;

    SpeakerButton(SoundService& sounds, QWidget* parent);

    QSize sizeHint() const override { return {side, side}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(bool muted);

    SoundService& sounds_;
};
