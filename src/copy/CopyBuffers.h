#pragma once

#include <QtGlobal>

#include <memory>

namespace stowly {

// The two chunk buffers one copy works with: the reads run ahead of the writing or hashing by
// at most what they hold. Aligned so that reads may bypass the file cache. An offload keeps one
// pair for the whole run rather than paying for fresh pages on every file.
class CopyBuffers {
public:
    static constexpr qsizetype alignment = 4096;

    explicit CopyBuffers(qsizetype chunkSize);

    qsizetype chunkSize() const { return m_chunkSize; }
    char* buffer(int index) const { return m_blocks[index].get(); }

private:
    struct Free {
        void operator()(char* block) const;
    };

    qsizetype m_chunkSize;
    std::unique_ptr<char[], Free> m_blocks[2];
};

} // namespace stowly
