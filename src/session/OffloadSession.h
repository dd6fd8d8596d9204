#pragma once

#include "copy/CascadeCopy.h"
#include "copy/OffloadProgress.h"
#include "copy/OffloadSummary.h"
#include "history/HistoryJournal.h"
#include "media/CardInventory.h"
#include "media/CardVolume.h"
#include "media/DateFilter.h"
#include "naming/PlannedFile.h"
#include "session/OffloadSelection.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUuid>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace stowly {

class History;

// Where a run copies to and how it checks.
struct OffloadDestinations {
    QString main;
    // Each gets a copy too, under the same relative path.
    QStringList backups;
    // Read every file from the card again once its copies are verified.
    bool verifySource = false;
    // Append a generation to the ASC MHL history of every destination.
    bool writeAscMhl = false;
    // Of the backups, those copied from each file's proved main copy rather than from the card.
    QStringList cascades;
    // The formats the ASC MHL generations take besides xxh128, from the same read.
    QList<HashFormat> otherHashes;
};

// One offload of one card: the inventory as scanned, the user's choices for this card, the
// files that will be copied, and then the run itself. Lives on the main thread; the run copies
// on a worker thread and hands every report and record to the main thread, waiting for each.
class CascadeQueue;

class OffloadSession : public QObject {
    Q_OBJECT
public:
    enum class Phase { ready, running, finished };

    OffloadSession(const CardVolume& card, const CardInventory& inventory,
                   const QHash<QString, double>& durations, QObject* parent = nullptr);
    ~OffloadSession() override;

    const QUuid& id() const { return m_id; }
    const CardVolume& card() const { return m_card; }
    const CardInventory& inventory() const { return m_inventory; }
    const QSet<QString>& missingIDs() const { return m_missingIDs; }
    const QSet<QString>& offloadedIDs() const { return m_offloadedIDs; }
    const QHash<QString, double>& durations() const { return m_durations; }

    const QSet<MediaCategory>& includedCategories() const { return m_includedCategories; }
    ReoffloadMode reoffloadMode() const { return m_reoffloadMode; }
    const QSet<QString>& reoffloadIDs() const { return m_reoffloadIDs; }
    const ShortClipRule& shortRule() const { return m_shortRule; }
    const FileRules& fileRules() const { return m_fileRules; }
    const DateFilter& dateFilter() const { return m_dateFilter; }
    const QSet<QString>& includedShortIDs() const { return m_includedShortIDs; }
    bool includeAllShort() const { return m_includeAllShort; }
    const QString& projectInput() const { return m_projectInput; }
    const std::optional<QUuid>& cameraID() const { return m_cameraID; }

    void setIncludedCategories(const QSet<MediaCategory>& categories);
    void setReoffloadMode(ReoffloadMode mode);
    void setShortRule(const ShortClipRule& rule);
    void setFileRules(const FileRules& rules);
    void setDateFilter(const DateFilter& filter);
    void setIncludeAllShort(bool includeAll);
    void setProjectInput(const QString& project);
    void setCameraID(const std::optional<QUuid>& camera);

    // The selection's results.
    const QList<Clip>& newClips() const { return m_selection.toCopy; }
    int outsideDatesCount() const { return m_selection.outsideDates; }
    const ShortClipSkip& skippedShort() const { return m_selection.skippedShort; }
    const QSet<QString>& reoffloadingIDs() const { return m_selection.reoffloading; }
    int alreadyOffloadedCount() const { return m_selection.offloadedKept; }
    int missingCopyCount() const { return m_selection.missingKept; }

    // The run.
    const std::optional<QList<PlannedFile>>& plan() const { return m_plan; }
    const QSet<QString>& verifiedIDs() const { return m_verifiedIDs; }
    Phase phase() const { return m_phase; }
    const OffloadProgress& progress() const { return m_progress; }
    const std::optional<OffloadSummary>& summary() const { return m_summary; }
    const std::optional<QDateTime>& startedAt() const { return m_startedAt; }
    const QStringList& copiedPaths() const { return m_copiedPaths; }
    // The run's copies the history took, in the order they were recorded.
    const QList<HistoryEntry>& recorded() const { return m_recorded; }
    bool cardRemoved() const { return m_cardRemoved; }
    // Where the run copied to, as it was started.
    const OffloadDestinations& destinations() const { return m_where; }
    // The program run after the offload failed; the summary says so, and nothing else changes.
    void setAfterwardsFailed(const QString& why);
    // A record of the ended run (its report) could not be written; the summary says so.
    void addRecordFailure(const QString& line);
    void setCardRemoved(bool removed);

    qint64 newBytes() const;
    std::optional<double> duration(const Clip& clip) const;
    bool isShortClip(const Clip& clip) const;

    void refreshFiles();
    void toggleReoffload(const Clip& clip);
    void toggleIncludeShort(const Clip& clip);

    // Runs the plan into the destinations, recording every verified copy in the ledger. A file
    // whose copies are missing at some destinations only is copied to those, under the
    // relative path its main copy has where that copy is in place. A history that cannot keep
    // the copies does not stop them; the summary says so (historyNotSaved).
    // `cascade` takes the files whose backups copy from the main copy; without it they copy
    // from the card.
    void start(const QList<PlannedFile>& plan, const OffloadDestinations& where, History* ledger,
               CascadeQueue* cascade = nullptr);
    void start(const QList<PlannedFile>& plan, const QString& destination, History* ledger) {
        start(plan, OffloadDestinations{destination, {}, false}, ledger);
    }
    // Stops the run: the file in progress leaves no partial file. The only way to stop a run.
    void cancel();
    bool isRunning() const { return m_phase == Phase::running; }
    // Handed to the queue and waiting for its turn: ready, with its plan fixed, which plan()
    // gives until it starts or is taken out.
    bool isWaiting() const { return m_waiting; }
    void setWaiting(bool waiting, const QList<PlannedFile>& plan = {});
    // Its choices may still change: ready, and not waiting in the queue.
    bool isOpen() const { return m_phase == Phase::ready && !m_waiting; }

Q_SIGNALS:
    // Any observable value changed.
    void changed();
    void progressChanged();
    void finished(const stowly::OffloadSummary& summary);

private:
    // The file's backups that cascade from its first copy, once `entry` records that copy; read
    // on the run's thread (what it reads is set before the run starts).
    std::optional<CascadeItem> cascadeItem(const HistoryEntry& entry, const QString& xxh128,
                                           const QMap<QString, QString>& hashes) const;
    void setSelection(OffloadSelection selection);
    // Runs work on the main thread and waits until it has run; false when the session is
    // being destroyed and the work may never run.
    bool onMainThread(std::function<void()> work);
    void runFinished(const OffloadSummary& summary);

    QUuid m_id;
    CardVolume m_card;
    CardInventory m_inventory;
    QSet<QString> m_missingIDs;
    QSet<QString> m_offloadedIDs;
    QSet<MediaCategory> m_includedCategories;
    ReoffloadMode m_reoffloadMode = ReoffloadMode::off;
    QSet<QString> m_reoffloadIDs;
    QHash<QString, double> m_durations;
    ShortClipRule m_shortRule;
    FileRules m_fileRules;
    DateFilter m_dateFilter;
    QSet<QString> m_includedShortIDs;
    bool m_includeAllShort = false;
    OffloadSelection m_selection;
    QString m_projectInput;
    std::optional<QUuid> m_cameraID;
    std::optional<QList<PlannedFile>> m_plan;
    QSet<QString> m_verifiedIDs;
    // Per planned file, the copies of the run not yet recorded.
    QHash<QString, int> m_copiesLeft;
    // The cascading backups of each file, by its path on the card, taken on once its main copy
    // is recorded.
    QHash<QString, QStringList> m_cascading;
    QPointer<CascadeQueue> m_cascade;
    QString m_mainRoot;
    OffloadDestinations m_where;
    QDateTime m_runStartedAt;
    Phase m_phase = Phase::ready;
    bool m_waiting = false;
    OffloadProgress m_progress;
    std::optional<OffloadSummary> m_summary;
    std::optional<QDateTime> m_startedAt;
    QStringList m_copiedPaths;
    QList<HistoryEntry> m_recorded;
    // Why the history could not keep a verified copy of the run.
    std::optional<QString> m_historyNotSaved;
    bool m_cardRemoved = false;

    QPointer<History> m_history;
    // The run's notes in the history's journal; used by the run's thread while it runs.
    std::unique_ptr<HistoryJournal::Run> m_runJournal;
    std::jthread m_task;
    std::mutex m_hopMutex;
    std::condition_variable m_hopDone;
    bool m_abandoned = false;
};

} // namespace stowly
