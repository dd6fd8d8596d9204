#include "base/LargeBlock.h"

#include <new>
#include <sys/mman.h>

namespace stowly {

LargeBlock::LargeBlock(std::size_t bytes) {
    constexpr std::size_t huge = std::size_t(2) << 20;
    m_size = (bytes + huge - 1) / huge * huge;
    void* p = ::mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(p, m_size, MADV_HUGEPAGE);
#endif
    m_data = static_cast<char*>(p);
}

LargeBlock::~LargeBlock() {
    ::munmap(m_data, m_size);
}

} // namespace stowly
