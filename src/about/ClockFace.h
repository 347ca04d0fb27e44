// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/ClockGeometry.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

// The analog clock of the About window: navy square, white dial, tick dots,
// digits, the three hands and the hub, painted bottom up in that order, so
// the hub hides where the hands meet. The widget covers the navy square;
// every place it keeps is in twips of the window's client area.
class ClockFace : public QWidget {
    Q_OBJECT
public:
    using Hand = clockgeometry::Hand;

    explicit ClockFace(QWidget* parent = nullptr);

    // Done once when the window loads; until then the dial has no dots.
    void placeTickDots();
    // `Line3(hour)` in twips; a dot is a line whose ends coincide.
    QPoint tickDot(int hour) const { return tickDots_.at(hour); }
    bool hasTickDots() const { return tickDotsPlaced_; }

    // Free end of a hand in twips; the other end is always the centre.
    void setHandEnd(Hand hand, QPoint end);
    QPoint handEnd(Hand hand) const { return handEnds_.at(static_cast<std::size_t>(hand)); }

    // `Цифры(number)`: caption and place in twips.
    static QString digitCaption(int number) { return QString::number(number); }
    static QRect digitRect(int number);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPoint, 3> handEnds_;
    std::array<QPoint, 13> tickDots_{}; // 1..12 used
    bool tickDotsPlaced_ = false;
};
