// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PressableLabel.h"

#include "platform/Accessibility.h"

#include <QPainter>
#include <QPointer>

PressableLabel::PressableLabel(const QString& text, QWidget* parent, QAccessible::Role role)
    : EventLabel(text, parent), role_(role)
{
    accessibility::install();
}

void PressableLabel::setAvailable(bool available)
{
    if (ringColour_.isValid())
        setFocusPolicy(available ? Qt::TabFocus : Qt::NoFocus);
    if (available == available_)
        return;
    available_ = available;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PressableLabel::takeFocusWhileAvailable(const QColor& ringColour)
{
    ringColour_ = ringColour;
    setFocusPolicy(available_ ? Qt::TabFocus : Qt::NoFocus);
}

void PressableLabel::announce(const QString& before)
{
    QAccessibleTextUpdateEvent news(this, 0, before, text());
    QAccessible::updateAccessibility(&news);
    emit announced(text());
}

void PressableLabel::press()
{
    const QPointer<PressableLabel> alive(this);
    emit pressed();
    if (!alive)
        return;
    emit released();
    if (alive)
        emit clicked();
}

void PressableLabel::focusInEvent(QFocusEvent* event)
{
    EventLabel::focusInEvent(event);
    if (ringColour_.isValid())
        update();
    emit focusEntered();
}

void PressableLabel::focusOutEvent(QFocusEvent* event)
{
    EventLabel::focusOutEvent(event);
    if (ringColour_.isValid())
        update();
}

void PressableLabel::paintEvent(QPaintEvent* event)
{
    EventLabel::paintEvent(event);
    if (!ringColour_.isValid() || !hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = 3;
    painter.setPen(QPen(ringColour_, width));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 4, 4);
}
