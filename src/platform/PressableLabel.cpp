// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PressableLabel.h"

#include "platform/Accessibility.h"

#include <QPointer>

PressableLabel::PressableLabel(const QString& text, QWidget* parent, QAccessible::Role role)
    : EventLabel(text, parent), role_(role)
{
    accessibility::install();
}

void PressableLabel::setAvailable(bool available)
{
    if (available == available_)
        return;
    available_ = available;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
    emit focusEntered();
}
