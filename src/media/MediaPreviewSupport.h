#pragma once

#include <QStringList>
#include <QStringView>

namespace stowly {

// Which card files can have a thumbnail or a preview.
struct MediaPreviewSupport {
    // Raw camera and data formats no thumbnailer here can draw, lower case.
    static const QStringList& noThumbnailExtensions();
    // True for photos and videos whose extension is not among those above.
    static bool hasThumbnail(QStringView fileName);
};

} // namespace stowly
