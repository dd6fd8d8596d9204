#pragma once

#include "copy/CopyBuffers.h"
#include "copy/CopyResult.h"
#include "copy/FileDescriptor.h"
#include "copy/Sha256.h"

#include <QString>

#include <atomic>
#include <optional>

namespace stowly {

// The read-back of a copy that is still being written, one flushed piece at a time, so that
// little of a large file is left to read back when its last byte is written. Each piece is
// flushed to the device before it is read back from there. Made by the copying thread; from
// then on only the verifying thread uses it, but for abandon().
class ReadBackPieces {
public:
    // A piece is read back once this many bytes past the last one are written: large enough
    // that flushing the device per piece costs little.
    static constexpr qint64 pieceSize = 32 * 1024 * 1024;

    // `syncFd` flushes the file being written and `readFd` reads it; `name` is its name for
    // messages.
    ReadBackPieces(FileDescriptor syncFd, FileDescriptor readFd, QString name);

    // The copy failed: pieces still to come are not read. Any thread.
    void abandon() { m_abandoned = true; }
    // Flushes the file and hashes its bytes up to `end`, all of them written by now, as the
    // device returns them.
    void readUpTo(qint64 end, CopyBuffers& buffers);

    // For the read-back of the rest, once the writing is over.
    qint64 done() const { return m_done; }
    const std::optional<CopyFailure>& failure() const { return m_failure; }
    Sha256& hash() { return m_hash; }
    // Every piece came from the device: each read bypassed the cache or followed a drop the
    // kernel took.
    bool fromDevice() const { return m_fromDevice; }
    FileDescriptor takeReadFd() { return std::move(m_readFd); }
    // Lets go of the file, for good, on the verifying thread.
    void close() {
        m_abandoned = true;
        m_syncFd.reset();
        m_readFd.reset();
    }

private:
    FileDescriptor m_syncFd;
    FileDescriptor m_readFd;
    QString m_name;
    std::atomic<bool> m_abandoned = false;
    Sha256 m_hash;
    qint64 m_done = 0;
    bool m_fromDevice = true;
    std::optional<CopyFailure> m_failure;
};

} // namespace stowly
