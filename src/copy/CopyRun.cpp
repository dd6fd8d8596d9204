#include "copy/CopyRun.h"

#include "base/FileNames.h"
#include "copy/DeviceReads.h"
#include "copy/PipelinedReader.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace stowly {
namespace {

// What tells one version of a file from another without reading it.
struct SourceState {
    qint64 size = 0;
    struct timespec modified {};
    struct timespec changed {};

    static std::optional<SourceState> of(int fd) {
        struct stat info;
        if (::fstat(fd, &info) != 0)
            return std::nullopt;
        return SourceState{qint64(info.st_size), info.st_mtim, info.st_ctim};
    }
    friend bool operator==(const SourceState& a, const SourceState& b) {
        return a.size == b.size && a.modified.tv_sec == b.modified.tv_sec &&
               a.modified.tv_nsec == b.modified.tv_nsec && a.changed.tv_sec == b.changed.tv_sec &&
               a.changed.tv_nsec == b.changed.tv_nsec;
    }
};

} // namespace

CopyRun::CopyRun(const QByteArray& source, const QStringList& destinations, std::stop_token stop,
                 const FolderCalls& calls, const Copier::Checks& checks,
                 const QList<ReadBack>& readBacks)
    : m_source(source), m_stop(std::move(stop)), m_checks(checks),
      m_sourceName(fileNames::nameOf(source)) {
    for (qsizetype i = 0; i < destinations.size(); ++i)
        m_targets.push_back(std::make_unique<CopyTarget>(
            destinations[i], calls, checks.writeBehind,
            i < readBacks.size() ? std::optional(readBacks[i]) : std::nullopt));
}

QList<CopyResult> CopyRun::run(const Copier::OnBytes& onBytes, const Copier::OnVerifyAt& onVerify,
                               CopyBuffers& buffers) {
    if (copy(onBytes, buffers, {})) {
        // The copy is over, so its buffers serve the first read-back.
        CopyBufferPool pool(buffers.chunkSize(), &buffers);
        finish(pool, true, onVerify);
    }
    return results();
}

void CopyRun::create() {
    if (m_created)
        return;
    m_created = true;
    for (const auto& target : m_targets)
        target->create();
}

bool CopyRun::copy(const Copier::OnBytes& onBytes, CopyBuffers& buffers,
                   const OnWritten& onWritten) {
    const auto failure = [&]() -> std::optional<CopyFailure> {
        create();
        if (!anyLive())
            return std::nullopt;

        m_sourceFd.reset(::open(m_source.constData(), O_RDONLY | O_CLOEXEC));
        if (!m_sourceFd.isOpen())
            return CopyFailure::system(
                QCoreApplication::translate("Copier", "Couldn’t open %1 for reading")
                    .arg(m_sourceName),
                errno);
        ::posix_fadvise(m_sourceFd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        if (m_checks.sourceFromDevice)
            deviceReads::readFromDevice(m_sourceFd.get(),
                                        PipelinedReader::pieceSizeFor(buffers.chunkSize()));
        const std::optional<SourceState> before = SourceState::of(m_sourceFd.get());

        Sha256 hash;
        if (cancelled())
            return cancellation();
        if (auto failure = copyChunks(hash, buffers, onBytes, onWritten))
            return failure;
        if (!anyLive())
            return std::nullopt;
        // A file something still writes to (a camera closing a clip, a drive in use) reads as a
        // torn mix of versions whose read-back agrees with itself; only its identity shows it.
        const std::optional<SourceState> after = SourceState::of(m_sourceFd.get());
        if (!before || !after || *before != *after || m_bytesCopied != after->size)
            return CopyFailure::from(CopierError::sourceChanged(m_sourceName));
        m_digest = Copier::hexString(hash.finish());
        return std::nullopt;
    }();
    // A throwing callback leaves no partial file either: the targets clean up as they go.
    if (failure) {
        m_stopped = failure->kind == CopyFailure::Kind::cancelled;
        failAll(*failure);
    }
    return anyLive();
}

QList<std::shared_ptr<ReadBackPieces>> CopyRun::pieces() {
    QList<std::shared_ptr<ReadBackPieces>> pieces;
    for (const auto& target : m_targets)
        pieces.append(target->live() ? target->pieces() : nullptr);
    return pieces;
}

void CopyRun::prove(CopyBufferPool& buffers) {
    finish(buffers, false, {});
}

void CopyRun::finish(CopyBufferPool& buffers, bool seeStop, const Copier::OnVerifyAt& onVerify) {
    std::optional<CopyFailure> failure = verifyAll(onVerify, seeStop, buffers);
    if (!failure && seeStop && cancelled())
        failure = cancellation();
    if (!failure && m_checks.verifySource && anyLive())
        failure = verifySource(buffers.at(0));
    if (failure) {
        failAll(*failure);
        return;
    }
    for (const auto& target : m_targets) {
        target->copyDatesFrom(m_sourceFd.get());
        target->finish();
    }
}

QList<CopyResult> CopyRun::results() const {
    QList<CopyResult> results;
    for (const auto& target : m_targets) {
        if (target->finished())
            results.append(CopyResult(m_digest, target->readBackFrom()));
        else if (!target->live())
            results.append(CopyResult(*target->failure()));
        else // the proof was cut short by an exception
            results.append(CopyResult(CopyFailure::system(
                QCoreApplication::translate("Copier", "Couldn’t verify %1").arg(m_sourceName),
                ENOMEM)));
    }
    return results;
}

void CopyRun::failAll(const CopyFailure& failure) {
    for (const auto& target : m_targets)
        target->fail(failure);
}

bool CopyRun::anyLive() const {
    return std::any_of(m_targets.begin(), m_targets.end(),
                       [](const auto& target) { return target->live(); });
}

std::optional<CopyFailure> CopyRun::copyChunks(Sha256& hash, CopyBuffers& buffers,
                                               const Copier::OnBytes& onBytes,
                                               const OnWritten& onWritten) {
    // The reading thread hashes the bytes before handing them over, so they are always hashed
    // before they are written, while this thread writes the ones before. A chunk is complete
    // when its last piece is written.
    const auto& tap = m_checks.tap;
    PipelinedReader reader(m_sourceFd.get(), buffers,
                           [&hash, &tap](const char* data, qsizetype size) {
                               hash.update(data, size);
                               if (tap)
                                   tap(data, size);
                           });
    qint64 chunk = 0;
    qint64 written = 0;
    for (;;) {
        const PipelinedReader::Piece piece = reader.next();
        if (piece.error != 0)
            return CopyFailure::system(
                QCoreApplication::translate("Copier", "Couldn’t read %1").arg(m_sourceName),
                piece.error);
        if (piece.size > 0) {
            for (const auto& target : m_targets)
                target->write(piece.data, piece.size);
            // Every destination failed: reading on would copy to nowhere.
            if (!anyLive())
                return std::nullopt;
            chunk += piece.size;
            written += piece.size;
        }
        if (chunk > 0 && (chunk >= buffers.chunkSize() || piece.size == 0)) {
            // The device starts on this chunk while the next one is read and hashed.
            for (const auto& target : m_targets)
                target->startWriteBack(written - chunk, chunk);
            if (onWritten)
                onWritten(written);
            if (onBytes)
                onBytes(chunk);
            chunk = 0;
            if (cancelled())
                return cancellation();
        }
        if (piece.size == 0) {
            m_bytesCopied = written;
            return std::nullopt;
        }
    }
}

std::optional<CopyFailure> CopyRun::verifyAll(const Copier::OnVerifyAt& onVerify, bool seeStop,
                                              CopyBufferPool& buffers) {
    if (m_targets.size() == 1) {
        CopyTarget& target = *m_targets.front();
        target.flush();
        if (seeStop && cancelled())
            return cancellation();
        if (target.live() && onVerify)
            if (std::optional<CopyFailure> refused = onVerify(0, m_digest, m_bytesCopied))
                target.fail(*refused);
        target.readBack(m_digest, buffers.at(0), m_sourceName);
        return std::nullopt;
    }
    // Several destinations: each is flushed on a thread of its own and read back as soon as its
    // flush is done and noted, so a fast drive's read-back overlaps a slow drive's flush, and one
    // drive's reads another's hashing. The notes are taken on this thread, in flush order.
    std::mutex mutex;
    std::condition_variable flushedOne;
    std::deque<int> flushed;
    std::vector<std::jthread> threads;
    int pending = 0;
    for (int index = 0; index < int(m_targets.size()); ++index) {
        if (!m_targets[size_t(index)]->live())
            continue;
        ++pending;
        threads.emplace_back([&, index] {
            m_targets[size_t(index)]->flush();
            const std::lock_guard lock(mutex);
            flushed.push_back(index);
            flushedOne.notify_one();
        });
    }
    std::optional<CopyFailure> stopped;
    for (; pending > 0; --pending) {
        int index = 0;
        {
            std::unique_lock lock(mutex);
            flushedOne.wait(lock, [&] { return !flushed.empty(); });
            index = flushed.front();
            flushed.pop_front();
        }
        CopyTarget& target = *m_targets[size_t(index)];
        if (stopped || !target.live())
            continue;
        if (seeStop && cancelled()) {
            stopped = cancellation();
            continue;
        }
        if (onVerify)
            if (std::optional<CopyFailure> refused = onVerify(index, m_digest, m_bytesCopied)) {
                target.fail(*refused);
                continue;
            }
        CopyBuffers& own = buffers.at(index);
        threads.emplace_back(
            [this, &target, &own] { target.readBack(m_digest, own, m_sourceName); });
    }
    threads.clear();
    return stopped;
}

std::optional<CopyFailure> CopyRun::verifySource(CopyBuffers& buffers) {
    if (m_checks.onVerifyingSource)
        m_checks.onVerifyingSource();
    const bool bypassing = deviceReads::readFromDevice(
        m_sourceFd.get(), PipelinedReader::pieceSizeFor(buffers.chunkSize()));
    if (::lseek(m_sourceFd.get(), 0, SEEK_SET) != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read %1").arg(m_sourceName), errno);
    Sha256 hash;
    const int error = deviceReads::hashFile(m_sourceFd.get(), buffers, hash);
    if (!bypassing)
        deviceReads::dropCachedPages(m_sourceFd.get());
    if (error != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read %1").arg(m_sourceName), error);
    if (Copier::hexString(hash.finish()) != m_digest)
        return CopyFailure::from(CopierError::sourceReadDiffers(m_sourceName));
    return std::nullopt;
}

} // namespace stowly
