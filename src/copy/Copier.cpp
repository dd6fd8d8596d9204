#include "copy/Copier.h"

#include "base/FileNames.h"
#include "copy/CopyTarget.h"
#include "copy/DeviceReads.h"
#include "copy/FileDescriptor.h"
#include "copy/PipelinedReader.h"
#include "copy/Sha256.h"
#include "naming/NameBook.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace stowly {
namespace {

QByteArray lastComponent(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

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

// One call of copyToAll: the source and its destinations.
class CopyRun {
public:
    CopyRun(const QByteArray& source, const QStringList& destinations,
            const Copier::OnBytes& onBytes, const Copier::OnVerifyAt& onVerify,
            std::stop_token stop, CopyBuffers& buffers, const FolderCalls& calls,
            const Copier::Checks& checks)
        : m_source(source), m_onBytes(onBytes), m_onVerify(onVerify), m_stop(std::move(stop)),
          m_buffers(buffers), m_checks(checks),
          m_sourceName(fileNames::decode(lastComponent(source))) {
        for (const QString& destination : destinations)
            m_targets.push_back(std::make_unique<CopyTarget>(destination, calls));
    }

    QList<CopyResult> run() {
        // A throwing callback leaves no partial file either: the targets clean up as they go.
        if (std::optional<CopyFailure> failure = copy())
            for (const auto& target : m_targets)
                target->fail(*failure);
        QList<CopyResult> results;
        for (const auto& target : m_targets)
            results.append(target->live() ? CopyResult(m_digest) : CopyResult(*target->failure()));
        return results;
    }

private:
    std::optional<CopyFailure> copy();
    std::optional<CopyFailure> copyChunks(Sha256& hash);
    std::optional<CopyFailure> verifySource();
    // Flushes, notes and reads back every destination's copy.
    std::optional<CopyFailure> verifyAll();
    bool anyLive() const {
        return std::any_of(m_targets.begin(), m_targets.end(),
                           [](const auto& target) { return target->live(); });
    }
    bool cancelled() const { return m_stop.stop_requested(); }
    CopyFailure cancellation() const { return CopyFailure::cancelled(m_sourceName); }

    QByteArray m_source;
    const Copier::OnBytes& m_onBytes;
    const Copier::OnVerifyAt& m_onVerify;
    std::stop_token m_stop;
    CopyBuffers& m_buffers;
    const Copier::Checks& m_checks;
    QString m_sourceName;
    std::vector<std::unique_ptr<CopyTarget>> m_targets;
    FileDescriptor m_sourceFd;
    QString m_digest;
    qint64 m_bytesCopied = 0;
};

std::optional<CopyFailure> CopyRun::copy() {
    for (const auto& target : m_targets)
        target->create();
    if (!anyLive())
        return std::nullopt;

    m_sourceFd.reset(::open(m_source.constData(), O_RDONLY | O_CLOEXEC));
    if (!m_sourceFd.isOpen())
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t open %1 for reading").arg(m_sourceName),
            errno);
    ::posix_fadvise(m_sourceFd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const std::optional<SourceState> before = SourceState::of(m_sourceFd.get());

    Sha256 hash;
    if (cancelled())
        return cancellation();
    if (auto failure = copyChunks(hash))
        return failure;
    if (!anyLive())
        return std::nullopt;
    // A file something still writes to (a camera closing a clip, a drive in use) reads as a
    // torn mix of versions whose read-back agrees with itself; only its identity shows it.
    const std::optional<SourceState> after = SourceState::of(m_sourceFd.get());
    if (!before || !after || *before != *after || m_bytesCopied != after->size)
        return CopyFailure::from(CopierError::sourceChanged(m_sourceName));

    m_digest = Copier::hexString(hash.finish());
    if (auto failure = verifyAll())
        return failure;
    if (cancelled())
        return cancellation();
    if (m_checks.verifySource && anyLive())
        if (auto failure = verifySource())
            return failure;

    for (const auto& target : m_targets) {
        target->copyDatesFrom(m_sourceFd.get());
        target->finish();
    }
    return std::nullopt;
}

std::optional<CopyFailure> CopyRun::copyChunks(Sha256& hash) {
    // The reading thread hashes the bytes before handing them over, so they are always hashed
    // before they are written, while this thread writes the ones before. A chunk is complete
    // when its last piece is written.
    const auto& tap = m_checks.tap;
    PipelinedReader reader(m_sourceFd.get(), m_buffers,
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
        if (chunk > 0 && (chunk >= m_buffers.chunkSize() || piece.size == 0)) {
            // The device starts on this chunk while the next one is read and hashed.
            for (const auto& target : m_targets)
                target->startWriteBack(written - chunk, chunk);
            if (m_onBytes)
                m_onBytes(chunk);
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

std::optional<CopyFailure> CopyRun::verifyAll() {
    if (m_targets.size() == 1) {
        CopyTarget& target = *m_targets.front();
        target.flush();
        if (cancelled())
            return cancellation();
        if (target.live() && m_onVerify)
            if (std::optional<CopyFailure> refused = m_onVerify(0, m_digest, m_bytesCopied))
                target.fail(*refused);
        target.readBack(m_digest, m_buffers, m_sourceName);
        return std::nullopt;
    }
    // Several destinations: each is flushed on a thread of its own and read back as soon as its
    // flush is done and noted, so a fast drive's read-back overlaps a slow drive's flush, and one
    // drive's reads another's hashing. The notes are taken on this thread, in flush order.
    std::mutex mutex;
    std::condition_variable flushedOne;
    std::deque<int> flushed;
    // Declared before the threads, so the threads are joined before their buffers go.
    std::vector<std::unique_ptr<CopyBuffers>> buffers;
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
    bool buffersInUse = false;
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
        if (cancelled()) {
            stopped = cancellation();
            continue;
        }
        if (m_onVerify)
            if (std::optional<CopyFailure> refused = m_onVerify(index, m_digest, m_bytesCopied)) {
                target.fail(*refused);
                continue;
            }
        CopyBuffers* own = &m_buffers;
        if (buffersInUse) {
            buffers.push_back(std::make_unique<CopyBuffers>(m_buffers.chunkSize()));
            own = buffers.back().get();
        }
        buffersInUse = true;
        threads.emplace_back(
            [this, &target, own] { target.readBack(m_digest, *own, m_sourceName); });
    }
    threads.clear();
    return stopped;
}

std::optional<CopyFailure> CopyRun::verifySource() {
    if (m_checks.onVerifyingSource)
        m_checks.onVerifyingSource();
    const bool bypassing = deviceReads::readFromDevice(
        m_sourceFd.get(), PipelinedReader::pieceSizeFor(m_buffers.chunkSize()));
    if (::lseek(m_sourceFd.get(), 0, SEEK_SET) != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read %1").arg(m_sourceName), errno);
    Sha256 hash;
    const int error = deviceReads::hashFile(m_sourceFd.get(), m_buffers, hash);
    if (!bypassing)
        deviceReads::dropCachedPages(m_sourceFd.get());
    if (error != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read %1").arg(m_sourceName), error);
    if (Copier::hexString(hash.finish()) != m_digest)
        return CopyFailure::from(CopierError::sourceReadDiffers(m_sourceName));
    return std::nullopt;
}

} // namespace

QList<CopyResult> Copier::copyToAll(const QByteArray& source, const QStringList& destinations,
                                    const OnBytes& onBytes, const OnVerifyAt& onVerify,
                                    std::stop_token stop, CopyBuffers* buffers,
                                    const FolderCalls& calls, const Checks& checks) {
    std::optional<CopyBuffers> own;
    if (!buffers || buffers->chunkSize() != chunkSize)
        buffers = &own.emplace(chunkSize);
    return CopyRun(source, destinations, onBytes, onVerify, std::move(stop), *buffers, calls,
                   checks)
        .run();
}

CopyResult Copier::copyAndVerify(const QByteArray& source, const QString& destination,
                                 const OnBytes& onBytes, const OnVerify& onVerify,
                                 std::stop_token stop, CopyBuffers* buffers,
                                 const FolderCalls& calls) {
    OnVerifyAt onVerifyAt;
    if (onVerify)
        onVerifyAt = [&onVerify](int, const QString& digest, qint64 size) {
            return onVerify(digest, size);
        };
    return copyToAll(source, {destination}, onBytes, onVerifyAt, std::move(stop), buffers, calls)
        .first();
}

CopyResult Copier::sha256(const QByteArray& path, qsizetype chunkSize, bool bypassCache) {
    Sha256 hash;
    if (auto failure =
            readWhole(path, chunkSize, bypassCache,
                      [&](const char* data, qsizetype size) { hash.update(data, size); }))
        return *failure;
    return hexString(hash.finish());
}

std::optional<CopyFailure> Copier::readWhole(const QByteArray& path, qsizetype chunkSize,
                                             bool bypassCache, const OnRead& onRead) {
    const QString name = fileNames::decode(lastComponent(path));
    FileDescriptor fd(::open(path.constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t open %1 for reading").arg(name), errno);
    CopyBuffers buffers(chunkSize);
    // Pages written but not yet on the device cannot be dropped, and reads would be served from
    // them; a flush first makes every page droppable.
    if (bypassCache)
        ::fdatasync(fd.get());
    const bool bypassing =
        bypassCache &&
        deviceReads::readFromDevice(fd.get(), PipelinedReader::pieceSizeFor(buffers.chunkSize()));
    int error = 0;
    {
        PipelinedReader reader(fd.get(), buffers);
        for (;;) {
            const PipelinedReader::Piece piece = reader.next();
            error = piece.error;
            if (error != 0 || piece.size == 0)
                break;
            onRead(piece.data, piece.size);
        }
    }
    if (bypassCache && !bypassing)
        deviceReads::dropCachedPages(fd.get());
    if (error != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t read %1").arg(name), error);
    return std::nullopt;
}

QString Copier::hexString(QByteArrayView digest) {
    static const char digits[] = "0123456789abcdef";
    QString text;
    text.reserve(digest.size() * 2);
    for (const char byte : digest) {
        const auto value = static_cast<unsigned char>(byte);
        text += QLatin1Char(digits[value >> 4]);
        text += QLatin1Char(digits[value & 0x0f]);
    }
    return text;
}

QString Copier::partialPath(const QString& destination) {
    return destination + NameBook::partialSuffix();
}

} // namespace stowly
