// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// A name box of the player setup: at most 17 characters, only those the
// records file can hold, and its whole text selected whenever it gets the
// focus or a mouse button goes down in it, so that typing replaces the name.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int maxNameLength = 17;

    explicit NameBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
