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

    // Whether a press would do anything now (a cell only under "Сектор
    // плюс", a prize box only while the boxes are offered). An unavailable
    // label looks the same, but assistive technology hears that it is
    // unavailable, and its press action does nothing.
    void setAvailable(bool available);
    bool isAvailable() const { return available_; }

    // From now on Tab reaches the label only while it is available, and a
    // ring of `colour` round its edge shows that it has the keyboard.
    void takeFocusWhileAvailable(const QColor& ringColour);

    // Tells assistive technology that the text went from `before` to what
    // the label shows now, as news to be heard (a status bar's new message),
    // even when it reads as before. The news goes out as a text change that
    // carries the text.
    void announce(const QString& before);

    // A press and a release, as the mouse gives them. The release may discard
    // the label with its window.
    void press();

signals:
    // announce() told assistive technology `text`.
    void announced(const QString& text);
    // The label took the keyboard focus: from Tab, from its window, or from
    // assistive technology.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAccessible::Role role_;
    bool available_ = true;
    QColor ringColour_; // invalid: the label shows no focus of its own
};
