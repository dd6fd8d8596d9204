#pragma once

#include "copy/LedgerEntry.h"
#include "history/LedgerIndex.h"
#include "history/LedgerRecords.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace stowly {

// The history of verified copies: one JSON file, loaded once, rewritten whole on each save.
// A file that cannot be read is set aside and never overwritten. Several processes (the
// desktop app and the command line) may share the file: saves take a lock beside it, and a
// file another process wrote meanwhile is read again and this process's changes applied on
// top. Main thread only.
class Ledger : public QObject {
    Q_OBJECT
public:
    explicit Ledger(const QString& fileURL, QObject* parent = nullptr);
    // Replaces the clock, so tests can step time instead of waiting.
    Ledger(const QString& fileURL, std::function<QDateTime()> clock, QObject* parent = nullptr);

    static QString defaultFileURL();

    // In file order; entries are made on access (a history may hold millions).
    const LedgerRecords& entries() const { return m_entries; }
    const std::optional<QString>& lastError() const { return m_lastError; }
    const QString& fileURL() const { return m_fileURL; }
    const std::optional<QDateTime>& lastSaveAt() const { return m_lastSaveAt; }
    bool hasUnsavedChanges() const { return m_hasUnsavedChanges; }
    bool saveBlocked() const { return m_saveBlocked; }

    void add(const LedgerEntry& entry, bool deferSave);
    void saveIfNeeded();
    // The history by source key (the latest entry of a key wins); a snapshot for scans.
    LedgerIndex entriesByKey() const;
    qsizetype entryCount(const QString& volumeIdentity) const;
    qsizetype forget(const LedgerEntry& entry);
    qsizetype forgetVolume(const QString& volumeIdentity);

    // Seconds within which a deferred add only marks the ledger as changed.
    static constexpr qint64 deferMilliseconds = 2000;

Q_SIGNALS:
    void entriesChanged();
    void lastErrorChanged();

public:
    // Identity of the file on disk as last read or written, to notice another writer.
    struct FileState {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        friend bool operator==(const FileState&, const FileState&) = default;
    };

private:
    // A change made here and not yet written; applied again over what another process wrote.
    struct Removal {
        std::optional<LedgerRecords::Encoded> entry; // one entry, or
        QByteArray keyPrefix;                        // every entry of a card
        bool removes(const LedgerRecords& records, qsizetype i) const;
    };

    void load();
    void save();
    bool setAside(const QString& readError);
    qsizetype removeWhere(const Removal& removal);
    void setLastError(std::optional<QString> error);

    LedgerRecords m_entries;
    std::optional<QString> m_lastError;
    QString m_fileURL;
    std::optional<QDateTime> m_lastSaveAt;
    bool m_hasUnsavedChanges = false;
    bool m_saveBlocked = false;
    std::function<QDateTime()> m_clock;
    std::optional<FileState> m_diskState;
    LedgerRecords m_pendingAdds;
    QList<Removal> m_pendingRemovals;
};

} // namespace stowly
