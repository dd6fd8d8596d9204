#include "copy/DeviceReads.h"

#include "copy/PipelinedReader.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace stowly::deviceReads {
namespace {

bool bypassCache(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_DIRECT) == 0;
}

// Whether reads of `fd` may bypass the cache: the file system tells the alignment they need
// (FUSE and tmpfs tell none) and our buffers and reads of `unit` bytes meet it.
bool canBypassCache(int fd, qsizetype unit) {
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_DIOALIGN, &info) != 0 ||
        !(info.stx_mask & STATX_DIOALIGN) || info.stx_dio_mem_align == 0 ||
        info.stx_dio_offset_align == 0)
        return false;
    return CopyBuffers::alignment % info.stx_dio_mem_align == 0 &&
           unit % info.stx_dio_offset_align == 0;
}

} // namespace

bool dropCachedPages(int fd) {
    return ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
}

bool readFromDevice(int fd, qsizetype unit, bool* dropped) {
    const bool tookDrop = dropCachedPages(fd);
    if (dropped)
        *dropped = tookDrop;
    return canBypassCache(fd, unit) && bypassCache(fd);
}

bool bypassesCache(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_DIRECT);
}

int hashFile(int fd, CopyBuffers& buffers, Sha256& hash,
             const std::function<void(const char*, qsizetype)>& tap, qint64 length) {
    PipelinedReader reader(fd, buffers, {}, length);
    for (;;) {
        const PipelinedReader::Piece piece = reader.next();
        if (piece.error != 0)
            return piece.error;
        if (piece.size == 0)
            return 0;
        hash.update(piece.data, piece.size);
        if (tap)
            tap(piece.data, piece.size);
    }
}

} // namespace stowly::deviceReads
