#include "platform/PictureSet.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Rows are joined into bands of this many for the changed region: a handful
// of rectangles that hug a round face closely enough.
constexpr int bandHeight = 16;

QImage::Format heldFormat(const QImage& picture)
{
    return picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

} // namespace

bool PictureSet::add(QImage picture)
{
    if (pictures_.empty()) {
        if (!picture.isNull())
            picture.convertTo(heldFormat(picture));
        first_ = std::move(picture);
        pictures_.emplace_back();
        return !first_.isNull();
    }
    Picture held;
    if (picture.size() != first_.size() || picture.devicePixelRatio() != first_.devicePixelRatio()
        || picture.isNull() || first_.isNull()) {
        pictures_.push_back(std::move(held));
        return false;
    }
    picture.convertTo(first_.format());

    const int width = first_.width();
    held.rows.resize(first_.height());
    size_t total = 0;
    for (int y = 0; y < first_.height(); ++y) {
        const auto* mine = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* base = reinterpret_cast<const QRgb*>(first_.constScanLine(y));
        int left = 0;
        while (left < width && mine[left] == base[left])
            ++left;
        if (left == width)
            continue;
        int right = width;
        while (mine[right - 1] == base[right - 1])
            --right;
        held.rows[y] = {left, right - left};
        total += right - left;
    }
    // Sized once, so that the pixels are never held twice while they grow.
    held.pixels.resize(total);
    QRgb* out = held.pixels.data();
    for (int y = 0; y < first_.height(); ++y) {
        const Run run = held.rows[y];
        std::memcpy(out, reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + run.left,
                    size_t(run.length) * sizeof(QRgb));
        out += run.length;
    }
    pictures_.push_back(std::move(held));
    return true;
}

qsizetype PictureSet::bytes() const
{
    qsizetype total = first_.sizeInBytes();
    for (const Picture& picture : pictures_)
        total += qsizetype(picture.pixels.size() * sizeof(QRgb) + picture.rows.size() * sizeof(Run));
    return total;
}

QImage PictureSet::picture(int index) const
{
    if (index < 0 || index >= count())
        return {};
    QImage whole = first_.copy();
    paint(whole, 0, index);
    return whole;
}

QRegion PictureSet::paint(QImage& target, int shown, int index) const
{
    if (index < 0 || index >= count() || first_.isNull())
        return {};
    if (shown < 0 || shown >= count() || target.size() != first_.size() || target.format() != first_.format()) {
        target = first_.copy();
        if (index == 0)
            return QRegion(target.rect());
        QRegion changed = paint(target, 0, index);
        return QRegion(target.rect()) | changed;
    }
    const Picture& from = pictures_[shown];
    const Picture& to = pictures_[index];
    const QRgb* toPixels = to.pixels.data();
    QRegion changed;
    int bandLeft = INT_MAX;
    int bandRight = 0;
    for (int y = 0; y < first_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const Run away = from.rows.empty() ? Run{} : from.rows[y];
        const Run into = to.rows.empty() ? Run{} : to.rows[y];
        if (shown != index) {
            // What `into` does not cover of `away` goes back to the first
            // picture; each pixel is written once.
            const auto* base = reinterpret_cast<const QRgb*>(first_.constScanLine(y));
            const int intoRight = into.length > 0 ? into.left + into.length : 0;
            const int restoreTo = into.length > 0 ? std::min(away.left + away.length, into.left) : away.left + away.length;
            if (restoreTo > away.left)
                std::memcpy(line + away.left, base + away.left, size_t(restoreTo - away.left) * sizeof(QRgb));
            const int restoreFrom = std::max(away.left, intoRight);
            if (into.length > 0 && away.left + away.length > restoreFrom)
                std::memcpy(line + restoreFrom, base + restoreFrom,
                            size_t(away.left + away.length - restoreFrom) * sizeof(QRgb));
            if (into.length > 0)
                std::memcpy(line + into.left, toPixels, size_t(into.length) * sizeof(QRgb));
            for (const Run& run : {away, into}) {
                if (run.length > 0) {
                    bandLeft = std::min(bandLeft, run.left);
                    bandRight = std::max(bandRight, run.left + run.length);
                }
            }
        }
        toPixels += into.length;
        if ((y + 1) % bandHeight == 0 || y + 1 == first_.height()) {
            if (bandRight > bandLeft) {
                const int top = y / bandHeight * bandHeight;
                changed |= QRect(bandLeft, top, bandRight - bandLeft, y + 1 - top);
            }
            bandLeft = INT_MAX;
            bandRight = 0;
        }
    }
    return changed;
}
