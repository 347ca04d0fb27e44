#include "platform/PictureSetView.h"

#include "platform/PictureSet.h"

#include <QPaintEvent>
#include <QPainter>

void PictureSetView::setPictures(const PictureSet* pictures)
{
    pictures_ = pictures;
    shown_ = -1;
    frame_ = QImage();
    update();
}

void PictureSetView::showPicture(int index)
{
    if (!pictures_ || index < 0 || index >= pictures_->count() || index == shown_)
        return;
    const QRegion changed = pictures_->paint(frame_, shown_, index);
    shown_ = index;
    // Without see-through pixels the picture hides what lies beneath: that
    // need not be drawn again under every change.
    setAttribute(Qt::WA_OpaquePaintEvent, !frame_.isNull() && !frame_.hasAlphaChannel());
    if (!atScreenPixels()) {
        update();
        return;
    }
    // One rectangle: each piece would be put to the screen on its own.
    const QRectF pixels = changed.boundingRect();
    const qreal ratio = devicePixelRatioF();
    update(QRectF(pixels.topLeft() / ratio, pixels.size() / ratio).toAlignedRect());
}

bool PictureSetView::atScreenPixels() const
{
    const qreal ratio = devicePixelRatioF();
    return qAbs(frame_.devicePixelRatio() - ratio) < 0.001 && frame_.size() == (QSizeF(size()) * ratio).toSize();
}

void PictureSetView::paintEvent(QPaintEvent* event)
{
    if (frame_.isNull()) {
        EventLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (!atScreenPixels()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()), frame_, QRectF(frame_.rect()));
        return;
    }
    // Counted in screen pixels, each asked-for piece is a plain copy.
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    for (const QRect& asked : event->region()) {
        const QRect pixels =
            QRectF(QRectF(asked).topLeft() * ratio, QRectF(asked).size() * ratio).toAlignedRect() & frame_.rect();
        if (!pixels.isEmpty())
            painter.drawImage(QRectF(pixels), frame_, QRectF(pixels));
    }
}
