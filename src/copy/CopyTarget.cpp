#include "copy/CopyTarget.h"

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/DeviceReads.h"
#include "copy/PipelinedReader.h"
#include "naming/NameBook.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {

CopyTarget::CopyTarget(const QString& destination, const FolderCalls& calls, qint64 writeBehind,
                       std::optional<ReadBack> folder)
    : m_calls(calls), m_writeBehind(writeBehind) {
    const qsizetype slash = destination.lastIndexOf(u'/');
    const QString folderPath = slash < 0    ? QStringLiteral(".")
                               : slash == 0 ? QStringLiteral("/")
                                            : destination.left(slash);
    m_folder = fileNames::encode(folderPath);
    m_readBack = folder ? *folder : readBackOf(folderPath);
    m_finalName = destination.mid(slash + 1);
    m_partialName = m_finalName + NameBook::partialSuffix();
    m_name = fileNames::encode(m_finalName);
    m_partial = fileNames::encode(m_partialName);
    m_destination = fileNames::encode(destination);
    m_onShare = m_readBack == ReadBack::share;
}

CopyTarget::~CopyTarget() {
    if (!m_finished)
        cleanUp();
}

void CopyTarget::fail(const CopyFailure& failure) {
    if (m_failure)
        return;
    m_failure = failure;
    cleanUp();
}

void CopyTarget::create() {
    if (live())
        if (auto failure = makePartial())
            fail(*failure);
}

void CopyTarget::write(const char* data, qsizetype size) {
    int error = 0;
    if (live() && !writeAll(m_partialFd.get(), data, size, &error))
        fail(CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t write %1").arg(m_partialName), error));
}

void CopyTarget::startWriteBack(qint64 offset, qint64 length) {
    // Errors surface at the flush.
    if (!live())
        return;
    const int fd = m_partialFd.get();
    ::sync_file_range(fd, offset, length, SYNC_FILE_RANGE_WRITE);
    const qint64 settle = offset + length - m_writeBehind;
    if (m_writeBehind <= 0 || settle <= m_settled)
        return;
    // Waiting takes the file's write error, which the flush would then no longer see.
    if (::sync_file_range(fd, m_settled, settle - m_settled,
                          SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                              SYNC_FILE_RANGE_WAIT_AFTER) != 0) {
        fail(CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t write %1").arg(m_partialName), errno));
        return;
    }
    ::posix_fadvise(fd, m_settled, settle - m_settled, POSIX_FADV_DONTNEED);
    m_settled = settle;
}

void CopyTarget::flush() {
    if (live())
        if (auto failure = flushPartial())
            fail(*failure);
}

std::shared_ptr<ReadBackPieces> CopyTarget::pieces() {
    if (!live() || m_piecesTried)
        return m_pieces;
    m_piecesTried = true;
    // Read on the side, a share's file is read through the descriptor that still writes it,
    // which the client may serve from what it wrote.
    if (m_readBack == ReadBack::share)
        return m_pieces;
    FileDescriptor syncFd(::fcntl(m_partialFd.get(), F_DUPFD_CLOEXEC, 0));
    FileDescriptor readFd(m_calls.openAt(m_folderFd.get(), m_partial.constData(),
                                         O_RDONLY | O_NOFOLLOW | O_CLOEXEC, 0));
    if (syncFd.isOpen() && readFd.isOpen() && FileIdentity::of(readFd.get()) == m_partialId)
        m_pieces =
            std::make_shared<ReadBackPieces>(std::move(syncFd), std::move(readFd), m_partialName);
    return m_pieces;
}

void CopyTarget::readBack(const QString& digest, CopyBuffers& buffers, const QString& sourceName) {
    if (live())
        if (auto failure = readPartialBack(digest, buffers, sourceName))
            fail(*failure);
}

void CopyTarget::copyDatesFrom(int sourceFd) {
    // Linux has no call that sets a file's birth time, so only the modification time (and the
    // access time, which some FUSE file systems need set together with it) can follow the
    // source. Failures leave the copy with its own dates.
    struct stat info;
    if (!live() || ::fstat(sourceFd, &info) != 0)
        return;
    m_times = {info.st_atim, info.st_mtim};
    ::futimens(m_readBackFd.get(), m_times->data());
}

void CopyTarget::keepDates(const char* name) {
    // A FUSE driver that handles a descriptor's release after close() returned (fusefat) may
    // stamp the time of that release on whatever the name holds by then: the copy, renamed
    // over the placeholder. The copy, still ours while the pin holds it, takes its dates again.
    struct stat copy;
    if (m_times && m_calls.statAt(m_folderFd.get(), name, &copy) == 0 &&
        std::llabs(copy.st_mtim.tv_sec - (*m_times)[1].tv_sec) > 2 &&
        isOurs(name, m_partialId, false))
        ::utimensat(m_folderFd.get(), name, m_times->data(), AT_SYMLINK_NOFOLLOW);
}

void CopyTarget::finish() {
    if (!live())
        return;
    // A share refuses to rename a file that is still open anywhere (a sharing violation), so
    // every descriptor that opened the copy goes first; the pin is a path, not an open file.
    if (m_pieces)
        m_pieces->close();
    m_readBackFd.reset();
    if (auto failure = moveToFinalName()) {
        fail(*failure);
        return;
    }
    keepDates(m_name.constData());
    if (auto failure = flushFolder()) {
        m_finalIsOurs = true;
        fail(*failure);
        return;
    }
    m_finished = true;
    m_partialFd.reset();
    m_readBackFd.reset();
    m_placeholderFd.reset();
    m_partialPin.reset();
}

std::optional<CopyFailure> CopyTarget::makePartial() {
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

std::optional<CopyFailure> CopyTarget::flushPartial() {
    // A failed fsync may already have dropped the unwritten pages and cleared the error, so a
    // second fsync could succeed without the data being on the device: never retried.
    if (::fsync(m_partialFd.get()) != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t flush %1 to the disk")
                .arg(m_partialName),
            errno);
    // Everything is on the device now, so every page of the copy is clean and can go.
    deviceReads::dropCachedPages(m_partialFd.get());
    if (m_partialFd.close() != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t close %1").arg(m_partialName), errno);
    return std::nullopt;
}

std::optional<CopyFailure> CopyTarget::readPartialBack(const QString& digest, CopyBuffers& buffers,
                                                       const QString& sourceName) {
    const QString what =
        QCoreApplication::translate("Copier", "Couldn’t read back %1").arg(m_partialName);
    const CopyFailure replaced{
        CopyFailure::Kind::system,
        QCoreApplication::translate("Copier", "%1: another file took its place.").arg(what), 0};
    Sha256 own;
    Sha256* hash = &own;
    qint64 from = 0;
    if (m_pieces) {
        // Read on from where the pieces ended, on their descriptor; the name must still be ours.
        if (m_pieces->failure())
            return *m_pieces->failure();
        if (!isOurs(m_partial.constData(), m_partialId, false))
            return replaced;
        m_readBackFd = m_pieces->takeReadFd();
        hash = &m_pieces->hash();
        from = m_pieces->done();
    } else {
        m_readBackFd.reset(m_calls.openAt(m_folderFd.get(), m_partial.constData(),
                                          O_RDONLY | O_NOFOLLOW | O_CLOEXEC, 0));
        if (!m_readBackFd.isOpen())
            return CopyFailure::system(what, errno);
        if (FileIdentity::of(m_readBackFd.get()) != m_partialId)
            return replaced;
    }

    bool dropped = false;
    const bool bypassing = deviceReads::readFromDevice(
        m_readBackFd.get(), PipelinedReader::pieceSizeFor(buffers.chunkSize()), &dropped);
    if (!(bypassing || dropped) || (m_pieces && !m_pieces->fromDevice()))
        m_readBack = ReadBack::unassured;
    int error = ::lseek(m_readBackFd.get(), from, SEEK_SET) == from ? 0 : errno;
    if (error == 0)
        error = deviceReads::hashFile(m_readBackFd.get(), buffers, *hash);
    // Leave no copy of the verified file in memory: the next file needs the room more.
    if (!bypassing)
        deviceReads::dropCachedPages(m_readBackFd.get());
    if (error != 0)
        return CopyFailure::system(what, error);
    if (Copier::hexString(hash->finish()) != digest)
        return CopyFailure::from(CopierError::checksumMismatch(sourceName));
    return std::nullopt;
}

CopyFailure CopyTarget::failedMove(int error) const {
    return CopyFailure::system(QCoreApplication::translate("Copier", "Couldn’t rename %1 to %2")
                                   .arg(m_partialName, m_finalName),
                               error);
}

std::optional<CopyFailure> CopyTarget::moveToFinalName() {
    const int folder = m_folderFd.get();
    if (m_calls.renameAt(folder, m_partial.constData(), m_name.constData(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return failedMove(errno);

    // The file system does not know the no-replace flag: a hard link fails just as safely
    // when the name is taken.
    const bool linked = m_calls.linkAt(folder, m_partial.constData(), m_name.constData()) == 0;
    const int linkError = errno;
    // A share may answer a link it cannot make with EIO, and one whose answer was lost may have
    // made it: the name is ours exactly when it now names our copy.
    if (linked || (linkError == EIO && isOurs(m_name.constData(), m_partialId, false))) {
        // Should the old name stay, it is a second name of the same verified file and goes with
        // the clean-up of a later failure; the copy itself is done.
        m_calls.unlinkAt(folder, m_partial.constData());
        return std::nullopt;
    }
    if (linkError != EPERM && linkError != EOPNOTSUPP && linkError != ENOSYS && linkError != EIO)
        return failedMove(linkError);
    if (m_onShare)
        return moveUnlessTaken();
    return moveOverPlaceholder();
}

// For file systems that refuse both (exFAT through FUSE): the final name is reserved with an
// empty file of our own, made with O_EXCL, and the copy is renamed over it only while it is
// still that very file.
std::optional<CopyFailure> CopyTarget::moveOverPlaceholder() {
    const int folder = m_folderFd.get();
    m_placeholderFd.reset(m_calls.openAt(
        folder, m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!m_placeholderFd.isOpen())
        return failedMove(errno);
    m_placeholderId = FileIdentity::of(m_placeholderFd.get());
    if (!m_placeholderId)
        return failedMove(errno);

    // Held by path only from here, for the same reason as the copy before its rename.
    m_placeholderFd.reset(::openat(folder, m_name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
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

// A share's client may close a file after close() returned (FUSE releases are not awaited) and
// then settle its size, so a placeholder could be written over the copy renamed onto it. The
// servers behind such clients (SMB, SFTP) refuse to rename onto a name that is taken; the look
// first keeps a file that appeared on one that does not, but for a moment's race.
std::optional<CopyFailure> CopyTarget::moveUnlessTaken() {
    const int folder = m_folderFd.get();
    struct stat info;
    if (m_calls.statAt(folder, m_name.constData(), &info) == 0)
        return failedMove(EEXIST);
    if (errno != ENOENT)
        return failedMove(errno);
    if (m_calls.renameAt(folder, m_partial.constData(), m_name.constData(), 0) != 0)
        return failedMove(errno);
    return std::nullopt;
}

std::optional<CopyFailure> CopyTarget::flushFolder() {
    // The new name reaches the device only with its folder.
    if (::fsync(m_folderFd.get()) != 0 && errno != EINVAL && errno != EOPNOTSUPP)
        return CopyFailure::system(
            QCoreApplication::translate("Copier", "Couldn’t flush the folder of %1 to the disk")
                .arg(m_finalName),
            errno);
    return std::nullopt;
}

bool CopyTarget::isOurs(const char* name, const std::optional<FileIdentity>& identity,
                        bool mustBeEmpty) {
    if (!identity)
        return false;
    struct stat info;
    if (m_calls.statAt(m_folderFd.get(), name, &info) != 0)
        return false;
    return FileIdentity::of(info) == identity && S_ISREG(info.st_mode) &&
           (!mustBeEmpty || info.st_size == 0);
}

bool CopyTarget::removeIfOurs(const char* name, const std::optional<FileIdentity>& identity,
                              bool mustBeEmpty) {
    if (!identity)
        return true;
    struct stat info;
    if (m_calls.statAt(m_folderFd.get(), name, &info) != 0)
        return errno == ENOENT;
    if (FileIdentity::of(info) != identity || !S_ISREG(info.st_mode) ||
        (mustBeEmpty && info.st_size != 0))
        return true;
    return m_calls.unlinkAt(m_folderFd.get(), name) == 0 || errno == ENOENT;
}

void CopyTarget::cleanUp() {
    if (m_pieces)
        m_pieces->abandon();
    // A share refuses to remove a file that is still open, so the copy's own descriptors go
    // first; the pins go last, holding the inodes the names are compared with.
    m_partialFd.reset();
    m_readBackFd.reset();
    if (m_folderFd.isOpen()) {
        bool gone = removeIfOurs(m_partial.constData(), m_partialId);
        if (m_finalIsOurs)
            gone = removeIfOurs(m_name.constData(), m_partialId) && gone;
        gone = removeIfOurs(m_name.constData(), m_placeholderId, true) && gone;
        // A share that lost its server may say a file is gone that is not (rclone does), and a
        // failure there may be the first sign of it, so a share's word is never taken.
        m_leftBehind = !gone || m_onShare;
    }
    m_partialFd.reset();
    m_readBackFd.reset();
    m_placeholderFd.reset();
    m_partialPin.reset();
    m_folderFd.reset();
}

} // namespace stowly
