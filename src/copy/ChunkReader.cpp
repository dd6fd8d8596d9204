#include "copy/ChunkReader.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace stowly {

ChunkReader::ChunkReader(int fd, CopyBuffers& buffers, OnRead onRead)
    : m_fd(fd), m_buffers(buffers), m_onRead(std::move(onRead)) {
    try {
        m_thread = std::thread([this] { readAhead(); });
    } catch (const std::system_error&) {
        // Without a second thread the reads simply happen in next().
    }
}

ChunkReader::~ChunkReader() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

ChunkReader::Slot ChunkReader::fill(int index) {
    char* const buffer = m_buffers.buffer(index);
    const qsizetype wanted = m_buffers.chunkSize();
    Slot slot;
    while (slot.size < wanted) {
        const ssize_t n = ::read(m_fd, buffer + slot.size, size_t(wanted - slot.size));
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
        // rest is read through the cache, which was emptied of this file beforehand.
        if (error == EINVAL) {
            const int flags = ::fcntl(m_fd, F_GETFL);
            if (flags >= 0 && (flags & O_DIRECT) && ::fcntl(m_fd, F_SETFL, flags & ~O_DIRECT) == 0)
                continue;
        }
        slot.error = error;
        break;
    }
    if (slot.error == 0 && slot.size > 0 && m_onRead)
        m_onRead(buffer, slot.size);
    slot.full = true;
    return slot;
}

void ChunkReader::readAhead() {
    int index = 0;
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stopping || !m_slots[index].full; });
            if (m_stopping)
                return;
        }
        const Slot slot = fill(index);
        {
            std::lock_guard lock(m_mutex);
            m_slots[index] = slot;
        }
        m_changed.notify_all();
        if (slot.size == 0 || slot.error != 0)
            return;
        index ^= 1;
    }
}

ChunkReader::Chunk ChunkReader::next() {
    if (m_ended)
        return m_last;
    std::unique_lock lock(m_mutex);
    if (m_held >= 0) {
        m_slots[m_held].full = false;
        m_held = -1;
        m_changed.notify_all();
    }
    const int index = m_nextToTake;
    if (m_thread.joinable()) {
        m_changed.wait(lock, [&] { return m_slots[index].full; });
    } else {
        lock.unlock();
        const Slot slot = fill(index);
        lock.lock();
        m_slots[index] = slot;
    }
    m_held = index;
    m_nextToTake ^= 1;
    const Slot& slot = m_slots[index];
    m_last = Chunk{m_buffers.buffer(index), slot.size, slot.error};
    m_ended = slot.size == 0 || slot.error != 0;
    return m_last;
}

} // namespace stowly
