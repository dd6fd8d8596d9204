#pragma once

#include "copy/CopyJournal.h"
#include "copy/HistoryEntry.h"
#include "history/FileState.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace stowly {

// The history's journal: "<history>.journal" beside the history file, one JSON object per line,
// appended and flushed as copies happen so that none is forgotten when the process dies, and
// folded into the history file now and then. Its first line names the state of the history file
// it continues (so after a fold whose cut never happened its records are known to be in the
// file already). Besides records it holds what runs intend: a copy about to be made, a copy
// about to be verified; an intent left open by a run that is gone is what a killed run left.
//
// Appends take the history's lock and open the file each time, so several processes append
// safely, and a fold may replace the file between appends. Safe to call from any thread.
class HistoryJournal : public std::enable_shared_from_this<HistoryJournal> {
public:
    // An intent that was neither recorded nor dropped.
    struct Intent {
        enum class Step { copying, verifying };
        Step step = Step::copying;
        QString run;
        QString destinationPath;
        // The copy as it would be recorded; only for `verifying`.
        std::optional<HistoryEntry> entry;
        // The line as read, to keep it across a fold.
        QByteArray line;
    };

    struct Contents {
        bool exists = false;
        // The history file this journal continues; none when it began without one.
        std::optional<FileState> base;
        bool hasHeader = false;
        QList<HistoryEntry> records;
        QList<Intent> openIntents;
        // Whole lines that could not be read (a torn last line does not count).
        int damagedLines = 0;
        qint64 bytes = 0;
        // Why the file could not be read at all.
        std::optional<QString> error;
    };

    // One run's notes, under its journal's run id: that id's lock file tells other processes
    // the run is alive.
    class Run : public CopyJournal {
    public:
        ~Run() override;
        std::optional<QString> copying(const QString& destination,
                                       const QString& sourceKey) override;
        std::optional<QString> verifying(const HistoryEntry& entry) override;
        std::optional<QString> dropped(const QString& destination) override;
        // The verified copy has its final name. From this note until taken() (or the run's
        // end), this process's folds of the journal wait: a fold would take the record from the
        // journal, and the history would then take it from the run a second time.
        std::optional<QString> recorded(const HistoryEntry& entry);
        // The history in memory holds the run's oldest record not yet taken.
        void taken();
        const QString& id() const { return m_id; }

    private:
        friend class HistoryJournal;
        Run(std::shared_ptr<HistoryJournal> journal, QString id);
        std::shared_ptr<HistoryJournal> m_journal;
        QString m_id;
        // Records noted and not taken yet; noted on the run's thread, taken on the history's.
        std::atomic<int> m_untaken = 0;
    };

    explicit HistoryJournal(const QString& historyPath);
    ~HistoryJournal();
    HistoryJournal(const HistoryJournal&) = delete;
    HistoryJournal& operator=(const HistoryJournal&) = delete;

    const QString& path() const { return m_path; }
    const QString& lockPath() const { return m_lockPath; }

    // Appends one record outside any run. Returns why it failed.
    std::optional<QString> append(const HistoryEntry& entry);
    // Appends the line of an intent that is settled now (found recorded or cleaned up).
    std::optional<QString> settle(const Intent& intent, bool recorded);
    // Takes the lock that tells other processes this journal's runs are alive, unless it is
    // held already; false when it could not be made. Taken when the history is loaded, before
    // any copying, so a run that starts on a failing disk has it all the same.
    bool holdRunLock();
    // Only for a journal owned by a shared pointer; the run keeps it alive.
    std::unique_ptr<Run> startRun();
    // Whether the run that wrote an intent still holds its lock.
    bool isRunning(const QString& run) const;
    // Removes the lock file of a run that is not running (after its intents were settled).
    void forgetRun(const QString& run) const;
    // The runs whose lock files are there, running or left by a process that is gone.
    QStringList runsOnDisk() const;
    // A run of this process has noted a record that the history in memory has not taken yet,
    // so a fold now would take it twice. Shared by every journal object of this history.
    bool foldWaits() const;

    // These two expect the caller to hold the lock (lockPath()).
    Contents read() const;
    // Starts the journal again after a fold: a header for `base` and the lines kept.
    std::optional<QString> restart(const std::optional<FileState>& base,
                                   const QList<QByteArray>& keptLines) const;

    static QByteArray recordLine(const HistoryEntry& entry, const QString& run);

private:
    std::optional<QString> appendLine(const QByteArray& line, bool flush);
    void holdFolds(int change) const;
    QString runLockPath(const QString& run) const;

    QString m_path;
    QString m_historyPath;
    QString m_lockPath;
    // The runs of this process share one id and one lock: a lock per run would be made where
    // the disk may already be failing, and a run without one is taken for a stopped run's.
    std::mutex m_runLockMutex;
    QString m_runId;
    int m_runLockFd = -1;
};

} // namespace stowly
