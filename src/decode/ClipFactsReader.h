#pragma once

#include "media/MediaFacts.h"

#include <chrono>

namespace stowly {

// A clip's streams, timecode and a sign of damage, read with libavformat in the decoding helper
// from the descriptor it was given.
namespace ClipFactsReader {
// A clip is taken as damaged when it cannot be opened as video (a missing index makes the
// demuxer give up), when its index points past the end of the file (cut off while written), or
// when its index accounts for less than half of a file more than 8 MB bigger than what it
// indexes (the camera wrote footage it never indexed). The last two need an index: clips whose
// demuxer keeps none (MPEG transport streams) are only checked for the first, and fragmented
// MP4, indexed only as it is read, not for the last.
MediaFacts read(int file, std::chrono::milliseconds timeLimit = std::chrono::seconds(4));

} // namespace ClipFactsReader

} // namespace stowly
