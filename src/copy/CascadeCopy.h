#pragma once

#include "copy/Copier.h"
#include "copy/CopyBufferPool.h"
#include "copy/CopyBuffers.h"
#include "copy/CopyJournal.h"
#include "copy/CopyResult.h"
#include "copy/CopyRun.h"
#include "copy/FolderCalls.h"
#include "copy/FormatHasher.h"
#include "copy/HistoryEntry.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <stop_token>

namespace stowly {

// A card's file whose first copy is proved, to be copied on from that copy to the backups that
// cascade from it.
struct CascadeItem {
    // The record of the proved copy at the first destination: the card's file it is a copy of,
    // where it is, and what the card gave (SHA-256 and size), which every cascaded copy must
    // give too, from its source and from its own read-back.
    HistoryEntry first;
    // The copy's path under the first destination's root, which every cascading backup repeats.
    QString relativePath;
    // The roots of the cascading backups that still lack it.
    QStringList roots;
    // The card's XXH3-128 text; empty when it was not taken.
    QString xxh128;
    // The other formats taken with it from the card's read, by element name ("md5", "c4").
    QMap<QString, QString> hashes;
    // When the card's run began, which names the run's ASC MHL generations; the cascaded copies'
    // generations take it too. Invalid when the run wrote none.
    QDateTime runStartedAt;
    // The program that took it on, by the id its history's runs go by (whose lock tells whether
    // it still lives); empty when not known.
    QString owner;

    // The first destination's root.
    QString firstRoot() const;
    // The card's volume identity, from the source key.
    QString cardIdentity() const { return first.sourceKey.section(u'|', 0, 0); }
    // Its cascaded copies get an ASC MHL generation at each backup.
    bool writesAscMhl() const { return !xxh128.isEmpty() && runStartedAt.isValid(); }

    // The record of its copy at `target`, made at `when`.
    HistoryEntry entryAt(const QString& target, const QDateTime& when) const;

    friend bool operator==(const CascadeItem&, const CascadeItem&) = default;
};

// One cascaded copy: where it went, and its digest or why it failed.
struct CascadeResult {
    QString root;
    QString target;
    CopyResult result;
    // The time its record carries: for a copy made here, the one noted in the journal before its
    // proof, so that a copy found again after a kill reads as the one recorded.
    QDateTime when;
};

// Copies the proved copy to every root, under the same relative path, from one read: through
// partial files, each read back from the device and compared with the card's digest. When the
// source no longer gives the card's digest (the first copy was damaged since it was proved), no
// copy is made: every root fails with sourceReadDiffers, and the file needs the card again. A
// file already at a target with the card's digest counts as made (a cascade picked up again
// after it was made but before it was recorded); one with other bytes is never replaced.
// Results come in the order of `roots`. With a journal, each copy is noted there as the first
// run's copies are (see Offloader::run), so a copy cut short by a kill is cleaned up at the next
// start and one made but not recorded is found.
//
// In two halves, so that one file is proved while the next is written: write() on one thread,
// then prove() on another.
class CascadeCopy {
public:
    CascadeCopy(CascadeItem item, std::stop_token stop = {}, CopyJournal* journal = nullptr,
                const FolderCalls& calls = FolderCalls::system());
    ~CascadeCopy();
    CascadeCopy(const CascadeCopy&) = delete;
    CascadeCopy& operator=(const CascadeCopy&) = delete;

    // The copies not made yet are written from one read of the first copy; a stop is seen.
    void write(const Copier::OnBytes& onBytes, CopyBuffers& buffers);
    // The source's digest is held to the card's, then each copy is flushed, read back, compared
    // and named; a stop is not seen any more.
    QList<CascadeResult> prove(CopyBufferPool& buffers);

    const CascadeItem& item() const { return m_item; }

    // Both halves in turn.
    static QList<CascadeResult> copy(const CascadeItem& item, const Copier::OnBytes& onBytes,
                                     std::stop_token stop = {}, CopyJournal* journal = nullptr,
                                     CopyBuffers* buffers = nullptr,
                                     const FolderCalls& calls = FolderCalls::system());

private:
    // The first copy's read gave the card's values in every format taken; ends the hashing.
    bool hashesMatch() const;

    CascadeItem m_item;
    std::stop_token m_stop;
    CopyJournal* m_journal;
    const FolderCalls& m_calls;
    QList<CascadeResult> m_results;
    // Of the targets still to be made: their paths, and where their results go.
    QStringList m_targets;
    QList<qsizetype> m_toCopy;
    std::unique_ptr<CopyRun> m_run;
    std::shared_ptr<FormatHasher> m_hasher;
    QDateTime m_when;
    bool m_written = false;
};

} // namespace stowly
