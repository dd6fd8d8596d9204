#include "media/MediaPreviewSupport.h"

#include "media/MediaCategory.h"

namespace stowly {

const QStringList& MediaPreviewSupport::noThumbnailExtensions() {
    static const QStringList extensions{"braw", "r3d", "mxf",  "xml", "xmp",
                                        "crm",  "ari", "cine", "nev"};
    return extensions;
}

bool MediaPreviewSupport::hasThumbnail(QStringView fileName) {
    const QString extension = mediaCategory::extensionOf(fileName);
    if (extension.isEmpty() || noThumbnailExtensions().contains(extension))
        return false;
    return mediaCategory::isPrimaryMedia(mediaCategory::classify(extension));
}

} // namespace stowly
