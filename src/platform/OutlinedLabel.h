// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/EventLabel.h"

// A label whose one-line text can carry a dark rim: for the game's bright
// text colours on a ground too close to them to read otherwise. Without a
// rim it is a plain game label.
class OutlinedLabel : public EventLabel {
    Q_OBJECT
public:
    using EventLabel::EventLabel;

    // An invalid colour takes the rim away.
    void setTextOutline(const QColor& colour, qreal rim = 1.5);
    QColor textOutline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    qreal rim_ = 1.5;
};
