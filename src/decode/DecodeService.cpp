#include "decode/DecodeService.h"

#include "base/DecodeWire.h"
#include "decode/ClipFactsReader.h"
#include "decode/FFmpegDurationReader.h"
#include "decode/PhotoFactsReader.h"
#include "decode/ThumbnailRenderer.h"
#include "media/MediaCategory.h"

#include <unistd.h>

namespace stowly {
namespace {

// Clips by their streams, photos by their record of the shot; other files hold nothing to say.
MediaFacts factsOf(int file, const QString& fileName) {
    const QString extension = mediaCategory::extensionOf(fileName);
    // Formats the demuxers cannot open are not damaged for that.
    if (FFmpegDurationReader::unreadableExtensions().contains(extension))
        return {};
    switch (mediaCategory::classify(extension)) {
    case MediaCategory::video:
        return ClipFactsReader::read(file);
    case MediaCategory::photo:
        return PhotoFactsReader::read(file);
    default:
        return {};
    }
}

} // namespace

void DecodeService::serve(int socket) {
    for (;;) {
        const auto request = decodeWire::receiveRequest(socket);
        if (!request)
            return;
        const auto& [what, file] = *request;
        decodeWire::Answer answer;
        if (what.kind == decodeWire::Request::Kind::duration) {
            static FFmpegDurationReader reader;
            // The descriptor's name has no extension to go by.
            if (!FFmpegDurationReader::unreadableExtensions().contains(
                    mediaCategory::extensionOf(what.fileName)))
                answer.seconds = reader.duration("/proc/self/fd/" + QByteArray::number(file));
        } else if (what.kind == decodeWire::Request::Kind::facts) {
            answer.facts = factsOf(file, what.fileName).toWire();
        } else if (what.edge >= 1 && what.edge <= decodeWire::maxEdge)
            if (const std::optional<QImage> image =
                    ThumbnailRenderer::renderOpen(file, what.fileName, what.edge)) {
                const QImage pixels = image->convertToFormat(QImage::Format_ARGB32);
                answer.drawn = true;
                answer.width = pixels.width();
                answer.height = pixels.height();
                answer.bytesPerLine = int(pixels.bytesPerLine());
                answer.pixels = QByteArray(reinterpret_cast<const char*>(pixels.constBits()),
                                           pixels.sizeInBytes());
            }
        ::close(file);
        if (!decodeWire::sendAnswer(socket, answer))
            return;
    }
}

} // namespace stowly
