// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/EtchedRules.h"

#include "platform/Twips.h"

#include <QPainter>

EtchedRules::EtchedRules(QList<int> tops, int rightTwips, QWidget* parent)
    : QWidget(parent), tops_(std::move(tops)), right_(rightTwips)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtchedRules::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The end point itself is not drawn, as with any line of the window.
    const int right = twips(right_) - 1;
    for (int top : std::as_const(tops_)) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, twips(top), right, twips(top));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, twips(top + twipsPerPixel), right, twips(top + twipsPerPixel));
    }
}
