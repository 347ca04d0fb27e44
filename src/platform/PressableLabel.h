// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/EventLabel.h"

#include <QAccessible>

// A label of the game's pictures that works as a button without looking like
// one: the keyboard and assistive technology press it as the mouse does, and
// assistive technology is told that it is a button (or a menu item) it can
// press, named by its text.
class PressableLabel : public EventLabel {
    Q_OBJECT
public:
    explicit PressableLabel(const QString& text, QWidget* parent = nullptr,
                            QAccessible::Role role = QAccessible::Button);

    QAccessible::Role accessibleRole() const { return role_; }

    // A press and a release, as the mouse gives them. The release may discard
    // the label with its window.
    void press();

signals:
    // The label took the keyboard focus: from Tab, from its window, or from
    // assistive technology.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QAccessible::Role role_;
};
