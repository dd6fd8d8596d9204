#pragma once

#include <QByteArray>

#include <chrono>

struct AVFormatContext;

namespace stowly {

// Opens a file for libavformat the one way the decoders do: its log kept quiet, and whatever
// libavformat does itself given up once the deadline passes.
namespace FormatOpening {
using Clock = std::chrono::steady_clock;
// `location` as libavformat takes it ("file:…"); `deadline` must outlive the context. Null
// when the file does not open; close with avformat_close_input.
AVFormatContext* open(const QByteArray& location, const Clock::time_point* deadline);
} // namespace FormatOpening

} // namespace stowly
