#include "copy/CopyBuffers.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace stowly {

CopyBuffers::CopyBuffers(qsizetype chunkSize) : m_chunkSize(std::max<qsizetype>(chunkSize, 1)) {
    // aligned_alloc wants a whole number of alignment units.
    const size_t bytes = size_t((m_chunkSize + alignment - 1) / alignment * alignment);
    for (auto& block : m_blocks) {
        block.reset(static_cast<char*>(std::aligned_alloc(alignment, bytes)));
        if (!block)
            throw std::bad_alloc();
    }
}

void CopyBuffers::Free::operator()(char* block) const {
    std::free(block);
}

} // namespace stowly
