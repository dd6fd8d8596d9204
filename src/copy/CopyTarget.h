#pragma once

#include "copy/CopyBuffers.h"
#include "copy/CopyResult.h"
#include "copy/FileDescriptor.h"
#include "copy/FolderCalls.h"
#include "copy/ReadBack.h"
#include "copy/ReadBackPieces.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace stowly {

// One destination of a copy: its partial file from creation to the final name, and what of
// that destination is ours, so that a failure at any step removes exactly what was created
// there and nothing else. A target that failed stays failed and keeps its first failure;
// destroying a target that did not finish cleans up after it.
class CopyTarget {
public:
    // `writeBehind`: see Copier::Checks. `folder`: how copies in the destination's folder can be
    // read back (see readBackOf), looked up here when not given.
    CopyTarget(const QString& destination, const FolderCalls& calls, qint64 writeBehind = 0,
               std::optional<ReadBack> folder = std::nullopt);
    ~CopyTarget();
    CopyTarget(const CopyTarget&) = delete;
    CopyTarget& operator=(const CopyTarget&) = delete;

    bool live() const { return !m_failure; }
    // Verified and under its final name.
    bool finished() const { return m_finished; }
    const std::optional<CopyFailure>& failure() const { return m_failure; }
    // The clean-up after a failure could not tell its partial file gone (or it was on a share,
    // whose word for it is not taken): whoever finds it later must prove it ours before
    // removing it.
    bool leftBehind() const { return m_leftBehind; }
    // Records the failure (the first one counts) and removes what was made.
    void fail(const CopyFailure& failure);

    // Each step below fails the target when it goes wrong and then does nothing.
    void create();
    void write(const char* data, qsizetype size);
    // Starts the device on bytes written, so the flush at the end has little left to do.
    void startWriteBack(qint64 offset, qint64 length);
    void flush();
    // What reads the copy back piece by piece while it is being written; made on the first
    // call, null where the file system gives no way to read it on the side, and on a share,
    // whose read-back has to open the file anew once the writing is closed.
    std::shared_ptr<ReadBackPieces> pieces();
    // Reads the partial file back from the device (what the pieces did not) and compares its
    // digest with `digest`.
    void readBack(const QString& digest, CopyBuffers& buffers, const QString& sourceName);
    // Where the read-back came from; meaningful once it is done.
    ReadBack readBackFrom() const { return m_readBack; }
    void copyDatesFrom(int sourceFd);
    // The verified copy takes its final name, never replacing anything.
    void finish();

private:
    std::optional<CopyFailure> makePartial();
    std::optional<CopyFailure> flushPartial();
    std::optional<CopyFailure> readPartialBack(const QString& digest, CopyBuffers& buffers,
                                               const QString& sourceName);
    std::optional<CopyFailure> moveToFinalName();
    std::optional<CopyFailure> moveOverPlaceholder();
    std::optional<CopyFailure> moveUnlessTaken();
    void keepDates(const char* name);
    std::optional<CopyFailure> flushFolder();
    CopyFailure failedMove(int error) const;
    bool isOurs(const char* name, const std::optional<FileIdentity>& identity, bool mustBeEmpty);
    // False when the name may still be ours afterwards.
    bool removeIfOurs(const char* name, const std::optional<FileIdentity>& identity,
                      bool mustBeEmpty = false);
    void cleanUp();

    const FolderCalls& m_calls;
    QByteArray m_folder;
    QByteArray m_name;
    QByteArray m_partial;
    QByteArray m_destination;
    QString m_finalName;
    QString m_partialName;

    FileDescriptor m_folderFd;
    qint64 m_writeBehind = 0;
    // What the folder allows, then what the read-back achieved.
    ReadBack m_readBack = ReadBack::unassured;
    // Everything before this offset is on the device.
    qint64 m_settled = 0;
    FileDescriptor m_partialFd;
    // Holds the partial file's inode for the whole copy. Some file systems (FUSE without
    // stable inode numbers) give a file a new number once nothing holds it, which would make
    // our own file look like a stranger's.
    FileDescriptor m_partialPin;
    FileDescriptor m_readBackFd;
    FileDescriptor m_placeholderFd;
    std::shared_ptr<ReadBackPieces> m_pieces;
    bool m_piecesTried = false;
    std::optional<FileIdentity> m_partialId;
    std::optional<FileIdentity> m_placeholderId;
    // The verified file already has its final name, but the copy still failed.
    bool m_finalIsOurs = false;
    bool m_finished = false;
    bool m_leftBehind = false;
    bool m_onShare = false;
    // The source's access and modification times, once the copy took them.
    std::optional<std::array<struct timespec, 2>> m_times;
    std::optional<CopyFailure> m_failure;
};

} // namespace stowly
