// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/TextFit.h"

#include <QColor>
#include <QLabel>

// A label, picture box or image of the game: text or picture, an opaque or
// transparent background, and the mouse events the windows react to. Any
// mouse button counts. Mouse moves are reported without a button held too.
class EventLabel : public QLabel {
    Q_OBJECT
public:
    explicit EventLabel(QWidget* parent = nullptr);
    EventLabel(const QString& text, QWidget* parent = nullptr);

    // The background colour is kept apart from whether it is drawn, so a label
    // can switch between transparent and opaque without losing its colour.
    void setBackgroundColour(const QColor& colour);
    void setBackgroundOpaque(bool opaque);
    bool isBackgroundOpaque() const { return opaque_; }
    QColor backgroundColour() const { return background_; }

    void setTextColour(const QColor& colour);
    QColor textColour() const;

    // A one-line text that never runs past the label's edges: shrunk, then
    // elided, when drawn; text() stays the whole text.
    void setTextFitting(bool fitting)
    {
        fitting_ = fitting;
        update();
    }
    // The font and text as the label draws them.
    textfit::Fitted shownText() const;

signals:
    void pressed();
    void released();
    void clicked(); // press and release on the label
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyBackground();

    QColor background_ = Qt::white;
    bool opaque_ = false;
    bool fitting_ = false;
};
