#pragma once

#include <QString>

#include <optional>

namespace stowly {

struct Clip;

// What a thumbnail was made from and for: a different file, file version or pixel size is a
// different key, so a cached image never outlives the file it shows.
struct ThumbnailKey {
    QString path;
    qint64 size = 0;
    // Seconds since 2001-01-01 00:00 UTC.
    std::optional<double> modified;
    // The requested edge in device-independent pixels, and the screen's scale factor.
    double points = 0;
    double scale = 1;

    // For a card file at an edge of `points` on a screen of the given scale.
    static ThumbnailKey of(const Clip& clip, double points, double scale);

    // ⌈points × scale⌉, at least 1 and at most maxPixelEdge.
    int pixelEdge() const;
    // "path|size|modified with three decimals or -|pixel edge"
    QString cacheKey() const;

    static constexpr int maxPixelEdge = 8192;

    friend bool operator==(const ThumbnailKey&, const ThumbnailKey&) = default;
};

} // namespace stowly
