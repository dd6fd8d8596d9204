#pragma once

#include "copy/CascadeBacklog.h"
#include "copy/CascadeCopy.h"
#include "history/HistoryJournal.h"
#include "mhl/GenerationWriter.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace stowly {

class History;

// The copies that cascade from a file's proved first copy to the backups that take it from
// there, made one file at a time on a thread of their own, while the card is already free.
// Everything taken on is kept in a backlog until each backup has it, so the copies go on after
// the card is ejected and after a restart (resume()). Each copy is recorded in the history as
// a copy of the card's file, only once it is proved. Lives on the main thread.
class CascadeQueue : public QObject {
    Q_OBJECT
public:
    // A cascaded copy that was not made: where, and why.
    struct Failure {
        CascadeItem item;
        QString root;
        CopyFailure failure;
    };

    CascadeQueue(History* history, QString backlogPath, QObject* parent = nullptr);
    // Stops after the file in progress, whose partial files go; what is left stays in the
    // backlog for the next start.
    ~CascadeQueue() override;

    // Takes on what the backlog holds from before (a restart).
    void resume();
    // Kept in the backlog, then queued; returns why it could not be kept (it is queued all the
    // same, so the copies are made while the program runs).
    std::optional<QString> add(const CascadeItem& item);
    // The two halves of add(): keep() on any thread, take() on this one.
    std::optional<QString> keep(const CascadeItem& item);
    void take(const CascadeItem& item);
    // Instead of take(): the history could not keep the first copy. Its backups are made with
    // it when the card is offloaded again, not from a copy nobody counts on.
    void drop(const CascadeItem& item);

    bool isIdle() const;
    // Files still to be cascaded, all of them or one card's (by its volume identity).
    qsizetype pendingFiles(const std::optional<QString>& cardIdentity = std::nullopt) const;
    // The backups still to get copies of a card's files.
    QStringList pendingRoots(const QString& cardIdentity) const;
    // The copies still to be cascaded, here or by another program sharing the backlog, and
    // those cascaded here since the program started, each as the card file's source key, U+0000
    // and the backup's root: a new run leaves those to the cascade rather than make second ones
    // from the card. (A card scanned before the cascade made its copy does not know it yet.)
    QSet<QString> pending() const;

    // How far the copies taken on since the queue was last idle are; bytes count once per
    // backup.
    struct Progress {
        qsizetype filesLeft = 0;
        qint64 bytesDone = 0;
        qint64 bytesTotal = 0;
    };
    Progress progress() const;

    const QList<Failure>& failures() const { return m_failures; }
    // Why the history could not keep a cascaded copy that was made and proved: the copy stands,
    // but nothing counts on it.
    const std::optional<QString>& historyNotSaved() const { return m_historyNotSaved; }
    // Why a backup's ASC MHL generation was not written, one line each; the copies stand.
    const QStringList& manifestFailures() const { return m_manifestFailures; }

Q_SIGNALS:
    // A file was taken on or finished, or bytes were copied (a few times a second at most).
    void changed();
    void recorded(const stowly::HistoryEntry& entry);
    void failed(const stowly::CascadeQueue::Failure& failure);
    // Every copy of the card's files taken on is made or has failed.
    void cardFinished(const QString& cardIdentity);
    // Nothing left to copy.
    void idle();

private:
    // Gives the item's backups up in the backlog (its lock held), for the next offload to make.
    void leaveToNextOffload(const CascadeItem& item, const char* why);
    // One backup's end of a file: its record, or why it was not made.
    struct Outcome {
        QString root;
        std::optional<HistoryEntry> entry;
        std::optional<CopyFailure> failure;
        // Why the journal could not take its record.
        std::optional<QString> unjournaled;
    };
    // The proved copies of one run's files at one backup, for its ASC MHL generation, written
    // once nothing of that run is left to copy there.
    struct Generation {
        CascadeItem item;
        QList<GenerationWriter::File> files;
    };

    // Queues an item; with m_mutex held.
    void queue(const CascadeItem& item);
    // Takes out of what is left the copies the history already holds.
    void settleWithHistory(CascadeBacklog::Contents& contents);
    // The worker writes each file's copies; the prover proves them, one file behind.
    void work(std::stop_token stop);
    void proveAll(std::stop_token stop);
    // The prover's end of a file: its records, the backlog, the generations it completes.
    void conclude(const CascadeItem& item, const QList<CascadeResult>& results);
    // The worker's end of a file: the backlog, and the generations it completes.
    QStringList settle(const CascadeItem& item, const QList<Outcome>& outcomes);
    // Writes the generations of the item's run at `roots` that have nothing left to come;
    // returns why any was not written.
    QStringList closeGenerations(const CascadeItem& item, const QStringList& roots);
    void finished(const CascadeItem& item, const QList<Outcome>& outcomes,
                  const QStringList& manifestFailures);
    void bytesCopied(qint64 count, qsizetype copies);

    History* m_history;
    // Written by the worker and the main thread.
    mutable std::mutex m_backlogMutex;
    CascadeBacklog m_backlog;
    std::unique_ptr<HistoryJournal::Run> m_runJournal;
    QList<Failure> m_failures;
    // The copies recorded here, as pending() names them, with their paths; main thread.
    QHash<QString, QString> m_made;
    QStringList m_manifestFailures;
    std::optional<QString> m_historyNotSaved;
    // Shared with the worker.
    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<CascadeItem> m_items;
    // Taken by the worker, not yet finished on the main thread.
    std::deque<CascadeItem> m_inFlight;
    QHash<QString, Generation> m_generations;
    // By generation: the copies taken on and not concluded yet.
    QHash<QString, int> m_open;
    // Written, waiting for the prover.
    std::unique_ptr<CascadeCopy> m_proving;
    qint64 m_bytesTotal = 0;
    std::atomic<qint64> m_bytesDone = 0;
    std::atomic<qint64> m_lastChangeMs = 0;
    // Last, so that they end before what they use goes.
    std::jthread m_prover;
    std::jthread m_worker;
};

} // namespace stowly
