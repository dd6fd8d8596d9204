#include "copy/Copier.h"

#include "base/FileNames.h"
#include "copy/FileDescriptor.h"
#include "copy/PipelinedReader.h"
#include "copy/Sha256.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

const char partialSuffix[] = ".stowly-partial";

QByteArray lastComponent(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

bool bypassCache(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_DIRECT) == 0;
}

// Whether reads of `fd` may bypass the cache: the file system tells the alignment they need
// (FUSE and tmpfs tell none) and our buffers and reads of `unit` bytes meet it.
bool canBypassCache(int fd, qsizetype unit) {
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_DIOALIGN, &info) != 0 ||
        !(info.stx_mask & STATX_DIOALIGN) || info.stx_dio_mem_align == 0 ||
        info.stx_dio_offset_align == 0)
        return false;
    return CopyBuffers::alignment % info.stx_dio_mem_align == 0 &&
           unit % info.stx_dio_offset_align == 0;
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

void dropCachedPages(int fd) {
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
}

// Makes the coming reads of `fd` come from the device: they bypass the cache where the file
// system allows it, and the file's cached pages are dropped in any case, which after a
// completed fsync leaves none. Returns whether reads bypass the cache, in which case the pages
// need no dropping afterwards.
bool readFromDevice(int fd, qsizetype unit) {
    dropCachedPages(fd);
    return canBypassCache(fd, unit) && bypassCache(fd);
}

// Feeds the whole file to `hash`, hashing while the reads go on. Returns 0 or the errno of the
// failed read.
int hashFile(int fd, CopyBuffers& buffers, Sha256& hash) {
    PipelinedReader reader(fd, buffers);
    for (;;) {
        const PipelinedReader::Piece piece = reader.next();
        if (piece.error != 0)
            return piece.error;
        if (piece.size == 0)
            return 0;
        hash.update(piece.data, piece.size);
    }
}

// One call of copyAndVerify: the names, the open handles and what of the destination is ours,
// so that a failure at any step removes exactly what this call created.
class CopyRun {
public:
    CopyRun(const QByteArray& source, const QString& destination, const Copier::OnBytes& onBytes,
            const Copier::OnVerify& onVerify, std::stop_token stop, CopyBuffers& buffers,
            const FolderCalls& calls)
        : m_source(source), m_onBytes(onBytes), m_onVerify(onVerify), m_stop(std::move(stop)),
          m_buffers(buffers), m_calls(calls) {
        const qsizetype slash = destination.lastIndexOf(u'/');
        m_folder = fileNames::encode(slash < 0    ? QStringLiteral(".")
                                     : slash == 0 ? QStringLiteral("/")
                                                  : destination.left(slash));
        m_finalName = destination.mid(slash + 1);
        m_partialName = m_finalName + QLatin1String(partialSuffix);
        m_name = fileNames::encode(m_finalName);
        m_partial = m_name + partialSuffix;
        m_destination = fileNames::encode(destination);
        m_sourceName = fileNames::decode(lastComponent(source));
    }

    CopyResult run() {
        std::optional<CopyFailure> failure;
        try {
            failure = copy();
        } catch (...) {
            // A throwing callback must not leave a partial file behind either.
            cleanUp();
            throw;
        }
        if (failure) {
            cleanUp();
            return *failure;
        }
        return m_digest;
    }

private:
    std::optional<CopyFailure> copy();
    std::optional<CopyFailure> create();
    std::optional<CopyFailure> copyChunks(Sha256& hash);
    std::optional<CopyFailure> readBack();
    void copyDates();
    std::optional<CopyFailure> moveToFinalName();
    std::optional<CopyFailure> moveOverPlaceholder();
    bool isOurs(const char* name, const std::optional<FileIdentity>& identity, bool mustBeEmpty);
    void removeIfOurs(const char* name, const std::optional<FileIdentity>& identity,
                      bool mustBeEmpty = false);
    void cleanUp();

    bool cancelled() const { return m_stop.stop_requested(); }
    CopyFailure cancellation() const { return CopyFailure::cancelled(m_sourceName); }
    CopyFailure failedMove(int error) const {
        return CopyFailure::system(QCoreApplication::translate("Copier", "Couldn’t rename %1 to %2")
                                       .arg(m_partialName, m_finalName),
                                   error);
    }

    QByteArray m_source;
    const Copier::OnBytes& m_onBytes;
    const Copier::OnVerify& m_onVerify;
    std::stop_token m_stop;
    CopyBuffers& m_buffers;
    const FolderCalls& m_calls;

    QByteArray m_folder;
    QByteArray m_name;
    QByteArray m_partial;
    QByteArray m_destination;
    QString m_finalName;
    QString m_partialName;
    QString m_sourceName;

    FileDescriptor m_folderFd;
    FileDescriptor m_sourceFd;
    FileDescriptor m_partialFd;
    // Holds the partial file's inode for the whole call. Some file systems (FUSE without
    // stable inode numbers) give a file a new number once nothing holds it, which would make
    // our own file look like a stranger's.
    FileDescriptor m_partialPin;
    FileDescriptor m_readBackFd;
    FileDescriptor m_placeholderFd;
    std::optional<FileIdentity> m_partialId;
    std::optional<FileIdentity> m_placeholderId;
    // The verified file already has its final name, but the call still failed.
    bool m_finalIsOurs = false;
    QString m_digest;
    qint64 m_bytesCopied = 0;
};

std::optional<CopyFailure> CopyRun::copy() {
    if (auto failure = create())
        return failure;

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
    // A file something still writes to (a camera closing a clip, a drive in use) reads as a
    // torn mix of versions whose read-back agrees with itself; only its identity shows it.
    const std::optional<SourceState> after = SourceState::of(m_sourceFd.get());
    if (!before || !after || *before != *after || m_bytesCopied != after->size)
        return CopyFailure::from(CopierError::sourceChanged(m_sourceName));

    // A failed fsync may already have dropped the unwritten pages and cleared the error, so a
    // second fsync could succeed without the data being on the device: never retried.
    if (::fsync(m_partialFd.get()) != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t flush %1 to the disk")
                .arg(m_partialName),
            errno);
    // Everything is on the device now, so every page of the copy is clean and can go.
    dropCachedPages(m_partialFd.get());
    if (m_partialFd.close() != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t close %1").arg(m_partialName), errno);

    m_digest = Copier::hexString(hash.finish());
    if (cancelled())
        return cancellation();
    if (m_onVerify)
        if (std::optional<CopyFailure> refused = m_onVerify(m_digest, m_bytesCopied))
            return refused;
    if (auto failure = readBack())
        return failure;

    copyDates();
    if (auto failure = moveToFinalName())
        return failure;

    // The new name reaches the device only with its folder.
    if (::fsync(m_folderFd.get()) != 0 && errno != EINVAL && errno != EOPNOTSUPP) {
        m_finalIsOurs = true;
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t flush the folder of %1 to the disk")
                .arg(m_finalName),
            errno);
    }
    return std::nullopt;
}

std::optional<CopyFailure> CopyRun::create() {
    const int folder = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        const int error = errno;
        struct stat info;
        if (::lstat(m_destination.constData(), &info) == 0)
            return CopyFailure::from(CopierError::destinationExists(m_finalName));
        return CopyFailure::from(CopierError::couldNotCreate(m_partialName, error));
    }
    m_folderFd.reset(folder);

    struct stat info;
    if (m_calls.statAt(folder, m_name.constData(), &info) == 0)
        return CopyFailure::from(CopierError::destinationExists(m_finalName));
    if (m_name.isEmpty() || m_name == "." || m_name == ".." ||
        m_calls.statAt(folder, m_partial.constData(), &info) == 0)
        return CopyFailure::from(CopierError::couldNotCreate(m_partialName));

    // O_EXCL with O_NOFOLLOW: a name that appeared meanwhile, or a planted link, is refused
    // rather than opened.
    m_partialFd.reset(m_calls.openAt(folder, m_partial.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!m_partialFd.isOpen())
        return CopyFailure::from(CopierError::couldNotCreate(m_partialName, errno));
    m_partialId = FileIdentity::of(m_partialFd.get());
    if (!m_partialId) {
        // Without its identity our file could not be told from another one later; the name was
        // ours a moment ago, so it goes now.
        m_partialFd.reset();
        m_calls.unlinkAt(folder, m_partial.constData());
        return CopyFailure::from(CopierError::couldNotCreate(m_partialName));
    }
    m_partialPin.reset(::openat(folder, m_partial.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (m_partialPin.isOpen() && FileIdentity::of(m_partialPin.get()) != m_partialId)
        m_partialPin.reset();
    return std::nullopt;
}

std::optional<CopyFailure> CopyRun::copyChunks(Sha256& hash) {
    // The reading thread hashes the bytes before handing them over, so they are always hashed
    // before they are written, while this thread writes the ones before. A chunk is complete
    // when its last piece is written.
    PipelinedReader reader(m_sourceFd.get(), m_buffers,
                           [&hash](const char* data, qsizetype size) { hash.update(data, size); });
    qint64 chunk = 0;
    qint64 written = 0;
    for (;;) {
        const PipelinedReader::Piece piece = reader.next();
        if (piece.error != 0)
            return CopyFailure::system(
                QCoreApplication::translate("Copier", "Couldn’t read %1").arg(m_sourceName),
                piece.error);
        if (piece.size > 0) {
            int error = 0;
            if (!writeAll(m_partialFd.get(), piece.data, piece.size, &error))
                return CopyFailure::system(
                    QCoreApplication::translate("Copier", "Couldn’t write %1").arg(m_partialName),
                    error);
            chunk += piece.size;
            written += piece.size;
        }
        if (chunk > 0 && (chunk >= m_buffers.chunkSize() || piece.size == 0)) {
            // The device starts on this chunk while the next one is read and hashed, so the
            // flush at the end has little left to do. Errors surface there.
            ::sync_file_range(m_partialFd.get(), written - chunk, chunk, SYNC_FILE_RANGE_WRITE);
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

std::optional<CopyFailure> CopyRun::readBack() {
    const QString what =
        QCoreApplication::translate("Copier", "Couldn’t read back %1").arg(m_partialName);
    m_readBackFd.reset(m_calls.openAt(m_folderFd.get(), m_partial.constData(),
                                      O_RDONLY | O_NOFOLLOW | O_CLOEXEC, 0));
    if (!m_readBackFd.isOpen())
        return CopyFailure::system(what, errno);
    if (FileIdentity::of(m_readBackFd.get()) != m_partialId)
        return CopyFailure{
            CopyFailure::Kind::system,
            QCoreApplication::translate("Copier", "%1: another file took its place.").arg(what), 0};

    const bool bypassing =
        readFromDevice(m_readBackFd.get(), PipelinedReader::pieceSizeFor(m_buffers.chunkSize()));
    Sha256 hash;
    const int error = hashFile(m_readBackFd.get(), m_buffers, hash);
    // Leave no copy of the verified file in memory: the next file needs the room more.
    if (!bypassing)
        dropCachedPages(m_readBackFd.get());
    if (error != 0)
        return CopyFailure::system(what, error);
    if (Copier::hexString(hash.finish()) != m_digest)
        return CopyFailure::from(CopierError::checksumMismatch(m_sourceName));
    return std::nullopt;
}

void CopyRun::copyDates() {
    // Linux has no call that sets a file's birth time, so only the modification time (and the
    // access time, which some FUSE file systems need set together with it) can follow the
    // source. Failures leave the copy with its own dates.
    struct stat info;
    if (::fstat(m_sourceFd.get(), &info) != 0)
        return;
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(m_readBackFd.get(), times);
}

std::optional<CopyFailure> CopyRun::moveToFinalName() {
    const int folder = m_folderFd.get();
    if (m_calls.renameAt(folder, m_partial.constData(), m_name.constData(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return failedMove(errno);

    // The file system does not know the no-replace flag: a hard link fails just as safely
    // when the name is taken.
    if (m_calls.linkAt(folder, m_partial.constData(), m_name.constData()) == 0) {
        // Should the old name stay, it is a second name of the same verified file and goes with
        // the clean-up of a later failure; the copy itself is done.
        m_calls.unlinkAt(folder, m_partial.constData());
        return std::nullopt;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return failedMove(errno);
    return moveOverPlaceholder();
}

// For file systems that refuse both (exFAT through FUSE): the final name is reserved with an
// empty file of our own, made with O_EXCL, and the copy is renamed over it only while it is
// still that very file.
std::optional<CopyFailure> CopyRun::moveOverPlaceholder() {
    const int folder = m_folderFd.get();
    m_placeholderFd.reset(m_calls.openAt(
        folder, m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!m_placeholderFd.isOpen())
        return failedMove(errno);
    m_placeholderId = FileIdentity::of(m_placeholderFd.get());
    if (!m_placeholderId)
        return failedMove(errno);

    if (!isOurs(m_name.constData(), m_placeholderId, true)) {
        // Not ours any more: whoever replaced it keeps it.
        m_placeholderId.reset();
        return failedMove(EEXIST);
    }
    if (m_calls.renameAt(folder, m_partial.constData(), m_name.constData(), 0) != 0)
        return failedMove(errno);
    m_placeholderId.reset();
    m_placeholderFd.reset();
    return std::nullopt;
}

bool CopyRun::isOurs(const char* name, const std::optional<FileIdentity>& identity,
                     bool mustBeEmpty) {
    if (!identity)
        return false;
    struct stat info;
    if (m_calls.statAt(m_folderFd.get(), name, &info) != 0)
        return false;
    return FileIdentity::of(info) == identity && S_ISREG(info.st_mode) &&
           (!mustBeEmpty || info.st_size == 0);
}

void CopyRun::removeIfOurs(const char* name, const std::optional<FileIdentity>& identity,
                           bool mustBeEmpty) {
    if (isOurs(name, identity, mustBeEmpty))
        m_calls.unlinkAt(m_folderFd.get(), name);
}

void CopyRun::cleanUp() {
    // Names first, while the open handles still hold the inodes they are compared with.
    if (m_folderFd.isOpen()) {
        removeIfOurs(m_partial.constData(), m_partialId);
        if (m_finalIsOurs)
            removeIfOurs(m_name.constData(), m_partialId);
        removeIfOurs(m_name.constData(), m_placeholderId, true);
    }
    m_partialFd.reset();
    m_readBackFd.reset();
    m_placeholderFd.reset();
    m_partialPin.reset();
    m_sourceFd.reset();
}

} // namespace

CopyResult Copier::copyAndVerify(const QByteArray& source, const QString& destination,
                                 const OnBytes& onBytes, const OnVerify& onVerify,
                                 std::stop_token stop, CopyBuffers* buffers,
                                 const FolderCalls& calls) {
    std::optional<CopyBuffers> own;
    if (!buffers || buffers->chunkSize() != chunkSize)
        buffers = &own.emplace(chunkSize);
    return CopyRun(source, destination, onBytes, onVerify, std::move(stop), *buffers, calls).run();
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
        bypassCache && readFromDevice(fd.get(), PipelinedReader::pieceSizeFor(buffers.chunkSize()));
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
        dropCachedPages(fd.get());
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
    return destination + QLatin1String(partialSuffix);
}

} // namespace stowly
