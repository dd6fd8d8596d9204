#include "copy/PipelinedReader.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace stowly {

qsizetype PipelinedReader::pieceSizeFor(qsizetype chunkSize) {
    return std::min<qsizetype>(chunkSize, 1024 * 1024);
}

PipelinedReader::PipelinedReader(int fd, CopyBuffers& buffers, OnRead onRead, qint64 limit)
    : m_fd(fd), m_pieceSize(pieceSizeFor(buffers.chunkSize())), m_onRead(std::move(onRead)),
      m_left(limit) {
    const qsizetype perBuffer = buffers.chunkSize() / m_pieceSize;
    for (int buffer = 0; buffer < 2; ++buffer) {
        for (qsizetype i = 0; i < perBuffer; ++i)
            m_slots.push_back(Slot{buffers.buffer(buffer) + i * m_pieceSize});
    }
    try {
        m_thread = std::thread([this] { readAhead(); });
    } catch (const std::system_error&) {
        // Without a second thread the reads simply happen in next().
    }
}

PipelinedReader::~PipelinedReader() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void PipelinedReader::fill(Slot& slot) {
    slot.size = 0;
    slot.error = 0;
    const qsizetype wanted =
        m_left < 0 ? m_pieceSize : qsizetype(std::min<qint64>(m_pieceSize, m_left));
    while (slot.size < wanted) {
        const ssize_t n = ::read(m_fd, slot.data + slot.size, size_t(wanted - slot.size));
        if (n > 0) {
            slot.size += n;
            continue;
        }
        if (n == 0)
            break;
        const int error = errno;
        if (error == EINTR)
            continue;
        // A short read mid-file leaves an offset that cache-bypassing reads cannot take; the
        // rest is read through the cache, emptied of it first (its pages may have been kept).
        if (error == EINVAL) {
            const int flags = ::fcntl(m_fd, F_GETFL);
            if (flags >= 0 && (flags & O_DIRECT)) {
                const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
                if (at >= 0 && ::posix_fadvise(m_fd, at, 0, POSIX_FADV_DONTNEED) == 0 &&
                    ::fcntl(m_fd, F_SETFL, flags & ~O_DIRECT) == 0)
                    continue;
            }
        }
        slot.error = error;
        break;
    }
    if (m_left > 0)
        m_left -= slot.size;
    if (slot.error == 0 && slot.size > 0 && m_onRead)
        m_onRead(slot.data, slot.size);
}

void PipelinedReader::readAhead() {
    for (size_t index = 0;; index = (index + 1) % m_slots.size()) {
        Slot& slot = m_slots[index];
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stopping || !slot.full; });
            if (m_stopping)
                return;
        }
        // The slot is ours alone until it is marked full.
        fill(slot);
        const bool last = slot.size == 0 || slot.error != 0;
        {
            std::lock_guard lock(m_mutex);
            slot.full = true;
        }
        m_changed.notify_all();
        if (last)
            return;
    }
}

PipelinedReader::Piece PipelinedReader::next() {
    if (m_ended)
        return m_last;
    Slot& slot = m_slots[m_nextToTake];
    m_nextToTake = (m_nextToTake + 1) % m_slots.size();
    if (m_thread.joinable()) {
        std::unique_lock lock(m_mutex);
        if (m_held) {
            m_held->full = false;
            m_changed.notify_all();
        }
        m_changed.wait(lock, [&] { return slot.full; });
    } else {
        fill(slot);
    }
    m_held = &slot;
    m_last = Piece{slot.data, slot.size, slot.error};
    m_ended = slot.size == 0 || slot.error != 0;
    return m_last;
}

} // namespace stowly
