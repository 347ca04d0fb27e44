// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Pictures of one size that differ only in part, such as the frames of an
// animation over a still surround. The first is kept whole; of every other
// one only the rectangle that holds all its pixels that differ from the
// first. Twelve turning drums then cost little more than one plus their
// turning faces, and each is drawn with one plain copy of that rectangle.
class PictureSet {
public:
    // Appends a picture. One that cannot be held beside the first (null, or
    // of another size or ratio) stands in as a copy of the first, so that the
    // numbers of the pictures after it stay right; false then.
    bool add(QImage picture);

    int count() const { return int(parts_.size()); }
    bool isEmpty() const { return parts_.empty(); }
    QSize size() const { return first_.size(); }
    qreal devicePixelRatio() const { return first_.devicePixelRatio(); }
    bool hasAlphaChannel() const { return first_.hasAlphaChannel(); }
    // Bytes of pixels held.
    qsizetype bytes() const;

    // Picture 0 … count() - 1, whole.
    QImage picture(int index) const;

    // Picture `index` is the first with `part(index)` over it at `place(index)`
    // (an empty place: it is the first).
    const QImage& first() const { return first_; }
    const QImage& part(int index) const { return parts_.at(index).pixels; }
    QRect place(int index) const { return parts_.at(index).place; }

private:
    struct Part {
        QRect place;
        QImage pixels;
    };

    QImage first_;
    std::vector<Part> parts_; // [0] is the first, with no part
};
