// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OutlinedGroupBox.h"

#include "platform/OutlinedText.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

OutlinedGroupBox::OutlinedGroupBox(const QString& caption, const QColor& captionColour, QWidget* parent)
    : QGroupBox(caption, parent), captionColour_(captionColour)
{
}

void OutlinedGroupBox::setCaptionRim(qreal rim)
{
    rim_ = rim;
    update();
}

void OutlinedGroupBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The style draws the frame with the gap for the caption, and the caption
    // in no colour at all; the caption itself comes after, with its rim.
    option.textColor = Qt::transparent;
    QPalette invisible = option.palette;
    invisible.setColor(QPalette::WindowText, Qt::transparent);
    option.palette = invisible;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    if (title().isEmpty())
        return;
    const QRect place = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    outlinedtext::draw(painter, QRectF(place).adjusted(-rim_, 0, rim_, 0), Qt::AlignCenter, title(), font(),
                       captionColour_, outlinedtext::rimColour, rim_);
}
