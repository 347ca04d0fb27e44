#pragma once

#include <QImage>
#include <QRegion>

#include <vector>

// Pictures of one size that differ only in part, such as the frames of an
// animation over a still surround. The first is kept whole; of every other
// one only, row by row, the run from its first to its last pixel that differs
// from the first. Twelve turning drums then cost little more than one plus
// their turning faces.
class PictureSet {
public:
    // Appends a picture. One that cannot be held beside the first (null, or
    // of another size or ratio) stands in as a copy of the first, so that the
    // numbers of the pictures after it stay right; false then.
    bool add(QImage picture);

    int count() const { return int(pictures_.size()); }
    bool isEmpty() const { return pictures_.empty(); }
    QSize size() const { return first_.size(); }
    qreal devicePixelRatio() const { return first_.devicePixelRatio(); }
    bool hasAlphaChannel() const { return first_.hasAlphaChannel(); }
    // Bytes of pixels held.
    qsizetype bytes() const;

    // Picture 0 … count() - 1, whole.
    QImage picture(int index) const;

    // Turns `target`, which shows picture `shown` (-1 when it shows anything
    // else, or nothing yet), into picture `index`, copying only the runs the
    // two differ in. Returns the pixels that may have changed.
    QRegion paint(QImage& target, int shown, int index) const;

private:
    struct Run {
        int left = 0;
        int length = 0;  // 0: the row is the first picture's
    };
    struct Picture {
        std::vector<Run> rows;
        std::vector<QRgb> pixels;  // the runs, one after the other
    };

    QImage first_;
    std::vector<Picture> pictures_;  // [0] is the first, with no runs
};
