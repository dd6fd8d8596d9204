#include "copy/ReadBackPieces.h"

#include "copy/DeviceReads.h"
#include "copy/PipelinedReader.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <unistd.h>

namespace stowly {
ReadBackPieces::ReadBackPieces(FileDescriptor syncFd, FileDescriptor readFd, QString name)
    : m_syncFd(std::move(syncFd)), m_readFd(std::move(readFd)), m_name(std::move(name)) {
    bool dropped = false;
    if (!deviceReads::readFromDevice(m_readFd.get(), PipelinedReader::pieceSizeFor(pieceSize),
                                     &dropped))
        m_fromDevice = dropped;
}

void ReadBackPieces::readUpTo(qint64 end, CopyBuffers& buffers) {
    if (m_abandoned || m_failure || end <= m_done)
        return;
    // Never retried, as at the end of the copy: a failed flush may have dropped the pages.
    if (::fdatasync(m_syncFd.get()) != 0) {
        m_failure = CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t flush %1 to the disk").arg(m_name),
            errno);
        return;
    }
    const int fd = m_readFd.get();
    const bool bypassing = deviceReads::bypassesCache(fd);
    // Flushed pages are clean, so they can go, and the reads have to fetch them again.
    if (!bypassing && ::posix_fadvise(fd, m_done, end - m_done, POSIX_FADV_DONTNEED) != 0)
        m_fromDevice = false;
    int error = ::lseek(fd, m_done, SEEK_SET) == m_done ? 0 : errno;
    if (error == 0)
        error = deviceReads::hashFile(fd, buffers, m_hash, {}, end - m_done);
    if (!bypassing)
        ::posix_fadvise(fd, m_done, end - m_done, POSIX_FADV_DONTNEED);
    if (error != 0) {
        m_failure = CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read back %1").arg(m_name), error);
        return;
    }
    m_done = end;
}

} // namespace stowly
