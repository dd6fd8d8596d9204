#pragma once

#include "copy/CopyBufferPool.h"
#include "copy/CopyBuffers.h"
#include "copy/CopyJournal.h"
#include "copy/CopyRun.h"
#include "copy/CopyVerifier.h"
#include "copy/FolderCalls.h"
#include "copy/Offloader.h"
#include "copy/ReadBack.h"
#include "copy/ShareAddress.h"

#include <QDateTime>
#include <QHash>

#include <sys/types.h>

#include <atomic>
#include <deque>
#include <memory>
#include <stop_token>

namespace stowly {

// One Offloader::run. The files are copied one after another on the calling thread; each
// copy, once written, is proved on the verifier's thread while the next file is copied, and is
// recorded and counted here, in plan order, once it is proved.
class OffloadRun {
public:
    OffloadRun(const OffloadJob& job, const Offloader::Progress& progress,
               const Offloader::Record& record, std::stop_token stop, CopyJournal* journal,
               const FolderCalls& calls);
    OffloadSummary run();

private:
    // A file from its start to the moment it is counted.
    struct File {
        int index = 0;
        qint64 bytesAfter = 0;
        // The roots it goes to; each copy's path and, once known, outcome, in that order.
        QStringList roots;
        QStringList targets;
        QList<std::optional<CopyResult>> outcomes;
        // The roots the copy writes to, as indexes into `roots`.
        QList<qsizetype> liveIndex;
        // Each live copy's entry, as noted before its proof.
        QList<std::optional<HistoryEntry>> noted;
        std::shared_ptr<CopyRun> copy;
        qint64 piecesUpTo = 0;
        QString xxh128;
        QMap<QString, QString> hashes;
        QDateTime hashedAt;
        std::shared_ptr<std::atomic<bool>> verifyingSource;
        CopyVerifier::Ticket proved = 0;
        // Not copied because the card went away meanwhile.
        bool cardGone = false;
    };

    void report();
    // Copies one file and hands it to the verifier. False when the run was stopped.
    bool copyFile(int index);
    // Chooses the file's name and makes its partial files, the copy that writes them
    // included.
    void prepare(File& file, const Copier::Checks& checks);
    // The card was pulled or unmounted since the run began.
    bool cardIsGone() const;
    std::optional<CopyFailure> note(File& file, int live);
    // Counts the proved files at the front, in order; waits until at most `left` are open.
    void countProved(qsizetype left);
    void count(File& file);
    HistoryEntry entryOf(const File& file, const QString& target, const QString& digest) const;
    // Partial files that earlier runs could not remove: removed where their folder answers.
    void removeLeftPartials();
    // A copy at `root` failed this way: a share that lost its server is given up for the rest
    // of the run, with one line for all its files.
    void noteFailure(const QString& root, const CopyFailure& failure);
    // Why a destination is given up; none while it is used.
    std::optional<QString> givenUp(const QString& root) const;
    // How copies in `folder` can be read back, looked up once per folder and run.
    ReadBack readBackOf(const QString& folder);

    const OffloadJob& m_job;
    const Offloader::Progress& m_progress;
    const Offloader::Record& m_record;
    std::stop_token m_stop;
    CopyJournal* m_journal;
    const FolderCalls& m_calls;
    QStringList m_destinations;
    // By the index in m_destinations.
    QList<std::optional<ShareAddress>> m_shares;
    QList<std::optional<QString>> m_givenUp;
    OffloadSummary m_summary;
    OffloadProgress m_state;
    // The file the progress shows.
    int m_current = -1;
    dev_t m_cardDevice = 0;
    bool m_cardGone = false;
    CopyBuffers m_buffers;
    CopyBufferPool m_readBackBuffers;
    QHash<QString, ReadBack> m_readBacks;
    // Files handed to the verifier, in plan order, not yet counted.
    std::deque<std::unique_ptr<File>> m_open;
    // Last, so that its thread ends before what its steps use goes.
    CopyVerifier m_verifier;
};

} // namespace stowly
