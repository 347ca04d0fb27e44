// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/EventLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

EventLabel::EventLabel(QWidget* parent) : EventLabel(QString(), parent)
{
}

EventLabel::EventLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMouseTracking(true);
    applyBackground();
}

void EventLabel::setBackgroundColour(const QColor& colour)
{
    background_ = colour;
    applyBackground();
}

void EventLabel::setBackgroundOpaque(bool opaque)
{
    opaque_ = opaque;
    applyBackground();
}

void EventLabel::setTextColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    setPalette(palette);
}

QColor EventLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void EventLabel::applyBackground()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background_);
    setPalette(palette);
    setAutoFillBackground(opaque_);
    update();
}

void EventLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed();
}

void EventLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    emit released();
    // The window may have been discarded by the release; do not touch it then.
    if (inside)
        emit clicked();
}

void EventLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}

textfit::Fitted EventLabel::shownText() const
{
    if (!fitting_ || text().isEmpty())
        return {font(), text()};
    return textfit::fit(text(), font(), contentsRect().width() - 2 * qMax(margin(), 0));
}

void EventLabel::paintEvent(QPaintEvent* event)
{
    // A picture keeps its colours in a disabled window (the start window as
    // backdrop); the toolkit would draw it greyed out.
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        const textfit::Fitted shown = shownText();
        if (shown.text == text() && shown.font == font()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setFont(shown.font);
        style()->drawItemText(&painter, contentsRect().marginsRemoved(QMargins(margin(), 0, margin(), 0)),
                              int(alignment()), palette(), isEnabled(), shown.text, foregroundRole());
        return;
    }
    QPainter painter(this);
    // A picture decoded for this very place on this screen is copied pixel for
    // pixel; a rescale to the same size, give or take a rounded pixel, would
    // cost a filtered pass over every pixel on each paint.
    const qreal ratio = devicePixelRatioF();
    if (hasScaledContents() && qAbs(picture.devicePixelRatio() - ratio) < 0.001
        && qAbs(picture.deviceIndependentSize().width() - contentsRect().width()) < 1
        && qAbs(picture.deviceIndependentSize().height() - contentsRect().height()) < 1) {
        // Given at the picture's own size in screen pixels, with the painter
        // counting screen pixels too: the toolkit then sees a plain copy. Placed
        // by its size in points, it would take the path that scales every
        // pixel, even though the scale comes out at one.
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawPixmap(QRectF(QPointF(contentsRect().topLeft()) * ratio, QSizeF(picture.size())), picture,
                           QRectF(picture.rect()));
        return;
    }
    // The picture may be drawn larger or smaller than its pixels: smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (hasScaledContents()) {
        painter.drawPixmap(contentsRect(), picture);
    } else {
        QRect place(QPoint(), picture.deviceIndependentSize().toSize());
        place.moveCenter(contentsRect().center());
        painter.drawPixmap(place, picture);
    }
}
