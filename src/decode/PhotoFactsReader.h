#pragma once

#include "media/MediaFacts.h"

namespace stowly {

// A photo's camera, lens and exposure as the camera recorded them, read in the decoding helper
// from the descriptor it was given: Exiv2 over the file's bytes in memory (JPEG, HEIF, TIFF
// and the TIFF-based raw formats), and LibRaw's reading of the raw formats Exiv2 does not know.
namespace PhotoFactsReader {
MediaFacts read(int file);
} // namespace PhotoFactsReader

} // namespace stowly
