#pragma once

#include "copy/HistoryEntry.h"
#include "history/FileState.h"
#include "history/HistoryIndex.h"
#include "history/HistoryJournal.h"
#include "history/HistoryRecords.h"
#include "history/HistoryStore.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

namespace stowly {

// The history of verified copies: one JSON file, and beside it a journal (HistoryJournal) that
// each new copy is appended to as it is verified. Loading reads both and settles what a run that
// was killed left open; saving folds the journal into the file (rewritten whole) and starts the
// journal again. A file that cannot be read is set aside and never overwritten. Several
// processes (the desktop app and the command line) may share the files: both take a lock beside
// them, and a file another process wrote meanwhile is read again and this process's changes
// applied on top. Several runs may record at once; a fold waits for records on their way. Main
// thread only.
class History : public QObject, public HistoryStore {
    Q_OBJECT
public:
    explicit History(const QString& filePath, QObject* parent = nullptr);
    // Replaces the clock, so tests can step time instead of waiting.
    History(const QString& filePath, std::function<QDateTime()> clock, QObject* parent = nullptr);
    // Made without reading the file: empty until loadInBackground() has read it; meanwhile a
    // new record only goes to the journal and nothing is forgotten.
    struct LoadLater {};
    History(const QString& filePath, LoadLater, QObject* parent = nullptr);

    static QString defaultFileURL();

    // In file order; entries are made on access (a history may hold millions).
    const HistoryRecords& entries() const { return m_entries; }
    const std::optional<QString>& lastError() const { return m_lastError; }
    const QString& filePath() const { return m_fileURL; }
    const std::optional<QDateTime>& lastSaveAt() const { return m_lastSaveAt; }
    // Entries that are in the journal (or only in memory) and not yet in the history file.
    bool hasUnsavedChanges() const { return m_hasUnsavedChanges; }
    bool saveBlocked() const { return m_saveBlocked; }
    bool isLoaded() const { return m_loaded; }
    // Reads the history, and settles what a run that was killed left (which reads copies back),
    // on a worker thread; the result is taken over on this object's thread and `loaded` told.
    void loadInBackground();

    // Appends the entry to the journal (flushed), and folds the journal into the file unless
    // `deferSave`; an entry the journal could not take is saved with the whole file at once.
    void add(const HistoryEntry& entry, bool deferSave);
    // An entry a run's journal already holds (`journaled`), or failed to take; then the whole
    // file is saved at once. False when neither could take it: the history does not hold it
    // then, not even in memory, so nothing counts on a copy it won't remember.
    bool addRecorded(const HistoryEntry& entry, bool journaled);
    // At the end of a run: folds the journal when that costs little next to what it adds
    // (the history file is small, or the journal is large beside it).
    void saveIfNeeded();
    // The journal for a run's notes, kept alive by the run.
    std::shared_ptr<HistoryJournal> journal() const { return m_journal; }
    // The history by source key (the latest entry of a key wins); a snapshot for scans.
    HistoryIndex entriesByKey() const;
    qsizetype entryCount(const QString& volumeIdentity) const;
    qsizetype forget(const HistoryEntry& entry);
    qsizetype forgetVolume(const QString& volumeIdentity);

    // HistoryStore: the copies here are all this station's own.
    std::optional<qsizetype> record(const QList<HistoryEntry>& entries, QString* error) override;
    std::optional<QList<HistoryEntry>> cardRecords(const QString& volumeIdentity,
                                                   QString* error) override;
    // Every copy when `station` is this one (empty names it too), else none.
    std::optional<QList<HistoryEntry>> stationRecords(const QString& station,
                                                      QString* error) override;
    // This station's name, as the records it hands out give it; empty by default, and while
    // no other station shares the history.
    void setStation(const QString& station) { m_station = station; }
    const QString& station() const { return m_station; }

    // A journal past this size is folded at once, whatever the history's size.
    static constexpr qint64 journalBound = 32 << 20;
    // A history file up to this size is rewritten at the end of every run.
    static constexpr qint64 smallHistory = 64 << 20;

Q_SIGNALS:
    void entriesChanged();
    void lastErrorChanged();
    void loaded();
    // A new copy this process recorded; a shared history wants it too.
    void recorded(const HistoryEntry& entry);
    void forgotten(const HistoryEntry& entry);
    void forgottenCard(const QString& volumeIdentity);

private:
    // A change made here and not yet written; applied again over what another process wrote.
    struct Removal {
        std::optional<HistoryRecords::Encoded> entry; // one entry, or
        QByteArray keyPrefix;                         // every entry of a card
        bool removes(const HistoryRecords& records, qsizetype i) const;
    };

    void load();
    // Takes over what another ledger of the same file loaded.
    void adopt(History& other);
    // Forgetting before the history is read would rewrite what was not read; it is refused.
    bool refusesChanges(const char* what) const;
    // A record before the history is read goes to the journal only; true when it is there.
    bool journalsBeforeLoad(const HistoryEntry& entry, bool journaled);
    // Folds the journal into the file; true when the file was written. Waits (false) while a
    // run of this process has a record on its way here (HistoryJournal::foldWaits).
    bool save();
    // The name the file now has beside its old one; none when it could not be moved.
    std::optional<QString> moveAside(const QString& path) const;
    bool setAside(const QString& readError);
    bool setJournalAside();
    // Takes the journal's records that are not in memory yet, nor in the history file where
    // the journal may repeat it (`inFile`).
    qsizetype takeRecords(const HistoryJournal::Contents& journal, bool mayRepeatFile);
    void settleOpenIntents(const QList<HistoryJournal::Intent>& intents);
    void append(const HistoryEntry& entry, bool journaled);
    qsizetype removeWhere(const Removal& removal);
    void setLastError(std::optional<QString> error);

    HistoryRecords m_entries;
    std::optional<QString> m_lastError;
    QString m_fileURL;
    std::optional<QDateTime> m_lastSaveAt;
    bool m_hasUnsavedChanges = false;
    bool m_saveBlocked = false;
    bool m_loaded = true;
    bool m_loading = false;
    // A fold that waited for a run's record; done once the record is taken.
    bool m_foldWaiting = false;
    std::function<QDateTime()> m_clock;
    std::optional<FileState> m_diskState;
    std::shared_ptr<HistoryJournal> m_journal;
    // Ids of the entries taken from or written to the journal since the last fold.
    QSet<QString> m_journalIDs;
    // Entries the journal could not take; the next save writes them.
    QList<HistoryEntry> m_unjournaled;
    QList<Removal> m_pendingRemovals;
    QString m_station;
};

} // namespace stowly
