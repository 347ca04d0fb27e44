// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OutlinedLabel.h"

#include "platform/OutlinedText.h"

#include <QPainter>

void OutlinedLabel::setTextOutline(const QColor& colour, qreal rim)
{
    outline_ = colour;
    rim_ = rim;
    update();
}

void OutlinedLabel::paintEvent(QPaintEvent* event)
{
    if (!outline_.isValid() || text().isEmpty() || !pixmap().isNull()) {
        EventLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const textfit::Fitted shown = shownText();
    outlinedtext::draw(painter, contentsRect().marginsRemoved(QMargins(margin(), 0, margin(), 0)),
                       int(alignment()), shown.text, shown.font, textColour(), outline_, rim_);
}
