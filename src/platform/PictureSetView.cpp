// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureSetView.h"

#include "platform/PictureSet.h"

#include <QPaintEvent>
#include <QPainter>

void PictureSetView::setPictures(const PictureSet* pictures)
{
    pictures_ = pictures;
    shown_ = pictures_ && wanted_ >= 0 && wanted_ < pictures_->count() ? wanted_ : -1;
    // Without see-through pixels the pictures hide what lies beneath: that
    // need not be drawn again under every change.
    setAttribute(Qt::WA_OpaquePaintEvent,
                 pictures_ && !pictures_->first().isNull() && !pictures_->hasAlphaChannel());
    update();
}

QImage PictureSetView::shownImage() const
{
    return pictures_ ? pictures_->picture(shown_) : QImage();
}

void PictureSetView::showPicture(int index)
{
    wanted_ = index;
    if (!pictures_ || index < 0 || index >= pictures_->count() || index == shown_)
        return;
    const int before = shown_;
    shown_ = index;
    if (before < 0 || !atScreenPixels()) {
        update();
        return;
    }
    // One rectangle: pieces would each be put to the screen on their own.
    const QRectF pixels = pictures_->place(before) | pictures_->place(index);
    if (pixels.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    update(QRectF(pixels.topLeft() / ratio, pixels.size() / ratio).toAlignedRect());
}

bool PictureSetView::atScreenPixels() const
{
    const qreal ratio = devicePixelRatioF();
    return qAbs(pictures_->devicePixelRatio() - ratio) < 0.001
           && pictures_->size() == (QSizeF(size()) * ratio).toSize();
}

void PictureSetView::paintEvent(QPaintEvent* event)
{
    if (!pictures_ || shown_ < 0 || pictures_->first().isNull()) {
        EventLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (!atScreenPixels()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()), shownImage());
        return;
    }
    // Counted in screen pixels, each asked-for piece is a plain copy: of the
    // shown picture's own rectangle inside its place, of the first outside.
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    const QRect place = pictures_->place(shown_);
    const QImage& part = pictures_->part(shown_);
    for (const QRect& asked : event->region()) {
        const QRect pixels =
            QRectF(QRectF(asked).topLeft() * ratio, QRectF(asked).size() * ratio).toAlignedRect()
            & QRect(QPoint(), pictures_->size());
        for (const QRect& outside : QRegion(pixels).subtracted(place))
            painter.drawImage(QRectF(outside), pictures_->first(), QRectF(outside));
        const QRect inside = pixels & place;
        if (!inside.isEmpty())
            painter.drawImage(QRectF(inside), part, QRectF(inside.translated(-place.topLeft())));
    }
}
