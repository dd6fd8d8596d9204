#include "ui/thumbnails/ThumbnailKey.h"

#include "media/Clip.h"

#include <cmath>

namespace stowly {
namespace {

// 2001-01-01 00:00 UTC in seconds since 1970.
constexpr double referenceDate = 978307200.0;

} // namespace

ThumbnailKey ThumbnailKey::of(const Clip& clip, double points, double scale) {
    ThumbnailKey key;
    key.path = clip.displayPath();
    key.size = clip.size;
    if (clip.modificationDate && clip.modificationDate->isValid())
        key.modified = double(clip.modificationDate->toMSecsSinceEpoch()) / 1000.0 - referenceDate;
    key.points = points;
    key.scale = scale;
    return key;
}

int ThumbnailKey::pixelEdge() const {
    const double edge = std::ceil(points * scale);
    // A zero, negative or absurd size would ask a decoder for nothing or for gigabytes.
    if (!(edge >= 1))
        return 1;
    if (edge > maxPixelEdge)
        return maxPixelEdge;
    return int(edge);
}

QString ThumbnailKey::cacheKey() const {
    QString key = path;
    key += u'|';
    key += QString::number(size);
    key += u'|';
    key += modified ? QString::asprintf("%.3f", *modified) : QStringLiteral("-");
    key += u'|';
    key += QString::number(pixelEdge());
    return key;
}

} // namespace stowly
