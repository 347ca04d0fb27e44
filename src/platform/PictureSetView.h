// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/EventLabel.h"

#include <QImage>

class PictureSet;

// A picture box that shows one picture of a PictureSet at a time. Going from
// one picture to another draws again only where either differs from the
// set's first picture.
class PictureSetView : public EventLabel {
    Q_OBJECT
public:
    using EventLabel::EventLabel;

    // The set is not owned and must outlive the view.
    void setPictures(const PictureSet* pictures);
    void showPicture(int index);
    // -1 before any picture is shown.
    int shownPicture() const { return shown_; }
    QImage shownImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool atScreenPixels() const;

    const PictureSet* pictures_ = nullptr;
    int shown_ = -1;
};
