#include "decode/FormatOpening.h"

#include <mutex>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace stowly {

namespace {

int interruptAtDeadline(void* opaque) {
    return FormatOpening::Clock::now() >=
                   *static_cast<const FormatOpening::Clock::time_point*>(opaque)
               ? 1
               : 0;
}

} // namespace

AVFormatContext* FormatOpening::open(const QByteArray& location,
                                     const Clock::time_point* deadline) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    AVFormatContext* context = avformat_alloc_context();
    if (!context)
        return nullptr;
    context->interrupt_callback.callback = interruptAtDeadline;
    context->interrupt_callback.opaque = const_cast<Clock::time_point*>(deadline);
    // avformat_open_input frees the context on failure.
    if (avformat_open_input(&context, location.constData(), nullptr, nullptr) < 0)
        return nullptr;
    return context;
}

} // namespace stowly
