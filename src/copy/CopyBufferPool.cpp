#include "copy/CopyBufferPool.h"

#include <algorithm>

namespace stowly {

CopyBufferPool::CopyBufferPool(qsizetype chunkSize, CopyBuffers* first)
    : m_chunkSize(chunkSize), m_first(first) {}

CopyBuffers& CopyBufferPool::at(int index) {
    if (index == 0 && m_first)
        return *m_first;
    if (size_t(index) >= m_own.size())
        m_own.resize(size_t(index) + 1);
    if (!m_own[size_t(index)])
        m_own[size_t(index)] = std::make_unique<CopyBuffers>(m_chunkSize);
    return *m_own[size_t(index)];
}

qsizetype CopyBufferPool::chunkSizeFor(int destinations, qsizetype chunkSize, qint64 budget) {
    constexpr qsizetype MiB = 1024 * 1024;
    // Two buffers a destination.
    const qint64 fitting = budget / (2 * std::max(destinations, 1)) / MiB * MiB;
    return qsizetype(std::clamp<qint64>(fitting, MiB, chunkSize));
}

} // namespace stowly
