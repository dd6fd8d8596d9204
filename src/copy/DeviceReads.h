#pragma once

#include "copy/CopyBuffers.h"
#include "copy/Sha256.h"

#include <QtGlobal>

#include <functional>

namespace stowly {

// Reading a file as the device holds it rather than as the page cache remembers it.
namespace deviceReads {
// Whether the kernel took the request; tmpfs takes it and keeps its pages all the same.
bool dropCachedPages(int fd);

// Makes the coming reads of `fd` come from the device: they bypass the cache where the file
// system allows it, and the file's cached pages are dropped in any case, which after a
// completed flush leaves none. Returns whether reads bypass the cache, in which case the pages
// need no dropping afterwards; `dropped` tells whether the drop was taken.
bool readFromDevice(int fd, qsizetype unit, bool* dropped = nullptr);
// Whether reads of `fd` bypass the cache now (a short read may have switched it off since).
bool bypassesCache(int fd);

// Feeds the file from its offset to its end (or `length` bytes of it) to `hash` (and `tap`,
// when given), hashing while the reads go on. Returns 0 or the errno of the failed read.
int hashFile(int fd, CopyBuffers& buffers, Sha256& hash,
             const std::function<void(const char*, qsizetype)>& tap = {}, qint64 length = -1);
} // namespace deviceReads

} // namespace stowly
