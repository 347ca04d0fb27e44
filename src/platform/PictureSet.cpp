// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureSet.h"

#include <algorithm>
#include <cstring>

namespace {

QImage::Format heldFormat(const QImage& picture)
{
    return picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

} // namespace

bool PictureSet::add(QImage picture)
{
    if (parts_.empty()) {
        if (!picture.isNull())
            picture.convertTo(heldFormat(picture));
        first_ = std::move(picture);
        parts_.emplace_back();
        return !first_.isNull();
    }
    if (picture.size() != first_.size() || picture.devicePixelRatio() != first_.devicePixelRatio()
        || picture.isNull() || first_.isNull()) {
        parts_.emplace_back();
        return false;
    }
    picture.convertTo(first_.format());

    const int width = first_.width();
    int left = width;
    int right = 0;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < first_.height(); ++y) {
        const auto* mine = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* base = reinterpret_cast<const QRgb*>(first_.constScanLine(y));
        int from = 0;
        while (from < width && mine[from] == base[from])
            ++from;
        if (from == width)
            continue;
        int to = width;
        while (mine[to - 1] == base[to - 1])
            --to;
        left = std::min(left, from);
        right = std::max(right, to);
        if (top < 0)
            top = y;
        bottom = y;
    }
    Part part;
    if (top >= 0) {
        part.place = QRect(left, top, right - left, bottom + 1 - top);
        // A copy of the rectangle alone: the whole picture is let go.
        part.pixels = picture.copy(part.place);
    }
    parts_.push_back(std::move(part));
    return true;
}

qsizetype PictureSet::bytes() const
{
    qsizetype total = first_.sizeInBytes();
    for (const Part& part : parts_)
        total += part.pixels.sizeInBytes();
    return total;
}

QImage PictureSet::picture(int index) const
{
    if (index < 0 || index >= count() || first_.isNull())
        return {};
    QImage whole = first_.copy();
    const Part& part = parts_.at(index);
    for (int y = 0; y < part.pixels.height(); ++y) {
        std::memcpy(whole.scanLine(part.place.top() + y) + part.place.left() * sizeof(QRgb),
                    part.pixels.constScanLine(y), size_t(part.pixels.width()) * sizeof(QRgb));
    }
    return whole;
}
