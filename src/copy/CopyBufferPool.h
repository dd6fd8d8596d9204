#pragma once

#include "copy/CopyBuffers.h"

#include <memory>
#include <vector>

namespace stowly {

// Chunk buffers for read-backs that go on at the same time, one pair for each destination,
// made when first asked for and kept as long as the pool, so that the files of a run reuse
// them. Used from one thread at a time.
class CopyBufferPool {
public:
    // `first`, when given, serves index 0.
    explicit CopyBufferPool(qsizetype chunkSize, CopyBuffers* first = nullptr);

    CopyBuffers& at(int index);

    // The chunk size that keeps the buffers of `destinations` read-backs within `budget` bytes,
    // at most `chunkSize` and at least 1 MiB.
    static qsizetype chunkSizeFor(int destinations, qsizetype chunkSize, qint64 budget);

private:
    qsizetype m_chunkSize;
    CopyBuffers* m_first;
    std::vector<std::unique_ptr<CopyBuffers>> m_own;
};

} // namespace stowly
