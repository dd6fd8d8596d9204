#pragma once

#include "copy/Copier.h"
#include "copy/CopyBufferPool.h"
#include "copy/CopyTarget.h"
#include "copy/FileDescriptor.h"
#include "copy/ReadBackPieces.h"

#include <QList>

#include <memory>
#include <stop_token>
#include <vector>

namespace stowly {

// One file copied to its destinations from one read. copyToAll runs it whole; a run that proves
// one file while it copies the next runs it in two halves: copy() on its own thread, prove() on
// the verifying one.
class CopyRun {
public:
    using OnWritten = std::function<void(qint64 written)>;

    // `readBacks`: how each destination's folder can be read back (see readBackOf), in the
    // order of `destinations`; each is looked up when they are not given.
    CopyRun(const QByteArray& source, const QStringList& destinations, std::stop_token stop,
            const FolderCalls& calls, const Copier::Checks& checks,
            const QList<ReadBack>& readBacks = {});
    CopyRun(const CopyRun&) = delete;
    CopyRun& operator=(const CopyRun&) = delete;

    // Both halves in turn, `onVerify` given each copy once it is flushed; a stop is seen up to
    // the read-back.
    QList<CopyResult> run(const Copier::OnBytes& onBytes, const Copier::OnVerifyAt& onVerify,
                          CopyBuffers& buffers);

    // Makes the partial files, for a caller that holds their names only until they exist;
    // copy() makes them itself otherwise.
    void create();
    // The first half: the partial files are made and the source is read once, hashed and
    // written to each; `onWritten` gets the bytes written so far after every chunk. Returns
    // whether any copy is left to prove.
    bool copy(const Copier::OnBytes& onBytes, CopyBuffers& buffers, const OnWritten& onWritten);
    // For the live copies, what reads them back piece by piece while they are written (empty
    // where a copy can only be read back at the end). Made on the first call.
    QList<std::shared_ptr<ReadBackPieces>> pieces();
    // The source's digest and size, once copied.
    const QString& digest() const { return m_digest; }
    qint64 bytesCopied() const { return m_bytesCopied; }
    int count() const { return int(m_targets.size()); }
    bool live(int index) const { return m_targets[size_t(index)]->live(); }
    const std::optional<CopyFailure>& failure(int index) const {
        return m_targets[size_t(index)]->failure();
    }
    // See CopyTarget::leftBehind.
    bool leftBehind(int index) const { return m_targets[size_t(index)]->leftBehind(); }
    bool anyLive() const;
    // The copy ended because a stop was asked for.
    bool stopped() const { return m_stopped; }
    void fail(int index, const CopyFailure& failure) { m_targets[size_t(index)]->fail(failure); }
    // The second half, with the copying over: each copy flushed, read back and compared, the
    // source read again when asked for, and the final names. A stop is not seen any more: the
    // bytes are all written, and what is proved counts.
    void prove(CopyBufferPool& buffers);

    // In the order of the destinations.
    QList<CopyResult> results() const;

private:
    std::optional<CopyFailure> copyChunks(Sha256& hash, CopyBuffers& buffers,
                                          const Copier::OnBytes& onBytes,
                                          const OnWritten& onWritten);
    // Flushes and reads back every copy; with several, each on a thread of its own.
    std::optional<CopyFailure> verifyAll(const Copier::OnVerifyAt& onVerify, bool seeStop,
                                         CopyBufferPool& buffers);
    std::optional<CopyFailure> verifySource(CopyBuffers& buffers);
    void finish(CopyBufferPool& buffers, bool seeStop, const Copier::OnVerifyAt& onVerify);
    void failAll(const CopyFailure& failure);
    bool cancelled() const { return m_stop.stop_requested(); }
    CopyFailure cancellation() const { return CopyFailure::cancelled(m_sourceName); }

    QByteArray m_source;
    std::stop_token m_stop;
    Copier::Checks m_checks;
    QString m_sourceName;
    std::vector<std::unique_ptr<CopyTarget>> m_targets;
    FileDescriptor m_sourceFd;
    QString m_digest;
    qint64 m_bytesCopied = 0;
    bool m_created = false;
    bool m_stopped = false;
};

} // namespace stowly
