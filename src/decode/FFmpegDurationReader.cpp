#include "decode/FFmpegDurationReader.h"

#include "base/FileNames.h"
#include "decode/FormatOpening.h"
#include "media/MediaCategory.h"

#include <chrono>
#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace stowly {
namespace {

using Clock = FormatOpening::Clock;

std::optional<double> readContainerDuration(const QByteArray& url, Clock::time_point deadline) {
    // "file:" keeps a name with a colon from being taken for a protocol.
    AVFormatContext* context = FormatOpening::open("file:" + url, &deadline);
    if (!context)
        return std::nullopt;
    if (context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        avformat_find_stream_info(context, nullptr);
    std::optional<double> seconds;
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0) {
        const double value = double(context->duration) / AV_TIME_BASE;
        if (std::isfinite(value) && value > 0)
            seconds = value;
    }
    avformat_close_input(&context);
    return seconds;
}

} // namespace

const QStringList& FFmpegDurationReader::unreadableExtensions() {
    static const QStringList extensions{"braw", "r3d", "crm", "ari", "cine", "nev"};
    return extensions;
}

std::optional<double> FFmpegDurationReader::duration(const QByteArray& url) {
    const QString extension = mediaCategory::extensionOf(fileNames::decode(url));
    if (unreadableExtensions().contains(extension))
        return std::nullopt;

    // Only what libavformat does itself stops at the deadline; a read blocked in the kernel
    // is ended with this process by the program that asked (see HelperDurationReader). A
    // reading left running on a thread of its own would keep the descriptor's number, which
    // the next request's file may take.
    return readContainerDuration(url, Clock::now() + m_timeout);
}

} // namespace stowly
