#include "decode/ThumbnailRenderer.h"

#include "base/DecodeWire.h"
#include "base/FileNames.h"
#include "decode/HeifDecoder.h"
#include "decode/ImageFitting.h"
#include "decode/RawPreviewDecoder.h"
#include "decode/VideoFrameDecoder.h"
#include "media/MediaCategory.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

// Photo formats the image readers draw themselves; the other photo extensions are raw files
// (and HEIF), which carry or need their own decoder.
bool isReaderFormat(const QString& extension) {
    static const QStringList formats{"jpg", "jpeg", "png", "tif", "tiff", "webp", "insp"};
    return formats.contains(extension);
}

bool isHeif(const QString& extension) {
    return extension == u"heic" || extension == u"heif";
}

// The reading end of a FIFO or a device would block a worker for good, and a symbolic link
// could lead anywhere; only a plain file is opened, for reading.
std::optional<QImage> readWithReaders(const QByteArray& path, int edge) {
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return std::nullopt;
    QFile file;
    struct stat facts {};
    if (::fstat(descriptor, &facts) != 0 || !S_ISREG(facts.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    return imageFitting::read(file, edge);
}

bool isPlainFile(const QByteArray& path) {
    struct stat facts {};
    return ::stat(path.constData(), &facts) == 0 && S_ISREG(facts.st_mode);
}

// The decoders open `path` themselves; `extension` says which of them the file is for.
std::optional<QImage> draw(const QByteArray& path, const QString& extension, int pixelEdge,
                           std::stop_token stop) {
    const int edge = std::clamp(pixelEdge, 1, decodeWire::maxEdge);
    if (stop.stop_requested() || !isPlainFile(path))
        return std::nullopt;
    std::optional<QImage> image;
    if (mediaCategory::classify(extension) == MediaCategory::video)
        image = VideoFrameDecoder::decode(path, edge, stop);
    else if (isHeif(extension))
        image = HeifDecoder::decode(path, edge, stop);
    else if (!isReaderFormat(extension) && mediaCategory::isPhotoExtension(extension))
        image = RawPreviewDecoder::decode(path, edge, stop);
    // A raw file the readers know (a DNG is a TIFF) or a photo with the wrong extension.
    if (!image && !stop.stop_requested() &&
        mediaCategory::classify(extension) != MediaCategory::video)
        image = readWithReaders(path, edge);
    if (stop.stop_requested() || !image || image->isNull())
        return std::nullopt;
    return image;
}

} // namespace

std::optional<QImage> ThumbnailRenderer::render(const QByteArray& path, int pixelEdge,
                                                std::stop_token stop) {
    return draw(path, mediaCategory::extensionOf(fileNames::decode(path)), pixelEdge,
                std::move(stop));
}

std::optional<QImage> ThumbnailRenderer::renderOpen(int fileDescriptor, const QString& fileName,
                                                    int pixelEdge) {
    // The decoders reopen it through the process's own table, read-only as it was given.
    return draw("/proc/self/fd/" + QByteArray::number(fileDescriptor),
                mediaCategory::extensionOf(fileName), pixelEdge, {});
}

} // namespace stowly
