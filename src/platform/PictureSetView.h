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

    // The set is not owned and must outlive the view. The view shows the
    // picture last asked for, of this set as of the one before.
    void setPictures(const PictureSet* pictures);
    // Without a set yet (its pictures still decoding), the view stays clear
    // and shows this picture once the set comes.
    void showPicture(int index);
    // -1 while no picture is shown.
    int shownPicture() const { return shown_; }
    QImage shownImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool atScreenPixels() const;

    const PictureSet* pictures_ = nullptr;
    int shown_ = -1;
    int wanted_ = -1;
};
