// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SpeakerButton.h"

#include "sound/SoundService.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The menu's pale yellow plate and the text's ink.
const QColor plateColour(0xFF, 0xFF, 0xC0);
const QColor inkColour(0x20, 0x20, 0x60);
const QColor offColour(0xD0, 0x00, 0x00);

} // namespace

SpeakerButton::SpeakerButton(SoundService& sounds, QWidget* parent) : QAbstractButton(parent), sounds_(sounds)
{
    setObjectName(QStringLiteral("speaker"));
    // The menu's keys and the table's stay where they are: M serves the keyboard.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    resize(side, side);
    connect(this, &QAbstractButton::clicked, &sounds_, &SoundService::toggleMuted);
    connect(&sounds_, &SoundService::mutedChanged, this, &SpeakerButton::follow);
    follow(sounds_.isMuted());
}

void SpeakerButton::follow(bool muted)
{
    const QString state = muted ? QStringLiteral("Звук выключен") : QStringLiteral("Звук включён");
    setAccessibleName(state);
    setToolTip(state + QStringLiteral(" (M)"));
    update();
}

void SpeakerButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(width(), height());
    painter.scale(s / side, s / side);

    QColor plate = plateColour;
    if (isDown())
        plate = plate.darker(115);
    else if (underMouse())
        plate = plate.lighter(104);
    painter.setPen(QPen(inkColour, 1.5));
    painter.setBrush(plate);
    painter.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), 6, 6);

    // The speaker: a box and its cone.
    QPainterPath speaker;
    speaker.moveTo(6, 12.5);
    speaker.lineTo(10.5, 12.5);
    speaker.lineTo(16.5, 7);
    speaker.lineTo(16.5, 25);
    speaker.lineTo(10.5, 19.5);
    speaker.lineTo(6, 19.5);
    speaker.closeSubpath();
    painter.setPen(QPen(inkColour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(inkColour);
    painter.drawPath(speaker);

    painter.setBrush(Qt::NoBrush);
    if (sounds_.isMuted()) {
        painter.setPen(QPen(offColour, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(19.5, 12), QPointF(27, 20));
        painter.drawLine(QPointF(27, 12), QPointF(19.5, 20));
        return;
    }
    painter.setPen(QPen(inkColour, 2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {4.5, 8.5}) {
        const QRectF arc(16.5 - radius, 16 - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, -50 * 16, 100 * 16);
    }
}
