#pragma once

#include "copy/CascadeBacklog.h"
#include "copy/CascadeCopy.h"
#include "history/HistoryJournal.h"

#include <QObject>

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
    // Kept in the backlog before it is queued; returns why it could not be kept (it is queued
    // all the same, so the copies are made while the program runs).
    std::optional<QString> add(const CascadeItem& item);

    bool isIdle() const;
    // Files still to be cascaded, all of them or one card's (by its volume identity), and
    // their bytes.
    qsizetype pendingFiles(const std::optional<QString>& cardIdentity = std::nullopt) const;
    qint64 pendingBytes() const;
    const QList<Failure>& failures() const { return m_failures; }

    // The card's volume identity in a record's source key.
    static QString cardIdentity(const HistoryEntry& entry);

Q_SIGNALS:
    // A file was taken on or finished, or bytes were copied.
    void changed();
    void recorded(const stowly::HistoryEntry& entry);
    void failed(const stowly::CascadeQueue::Failure& failure);
    // Nothing left to copy.
    void idle();

private:
    // One backup's end of a file: its record, or why it was not made.
    struct Outcome {
        QString root;
        std::optional<HistoryEntry> entry;
        std::optional<CopyFailure> failure;
        bool journaled = false;
    };

    void work(std::stop_token stop);
    void finished(const CascadeItem& item, const QList<Outcome>& outcomes);

    History* m_history;
    // Written by the worker and the main thread.
    std::mutex m_backlogMutex;
    CascadeBacklog m_backlog;
    std::unique_ptr<HistoryJournal::Run> m_runJournal;
    QList<Failure> m_failures;
    // Shared with the worker.
    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<CascadeItem> m_items;
    // Taken by the worker, not yet finished on the main thread.
    std::deque<CascadeItem> m_inFlight;
    // Last, so that it ends before what it uses goes.
    std::jthread m_worker;
};

} // namespace stowly
