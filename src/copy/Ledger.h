#pragma once

#include "copy/LedgerEntry.h"
#include "copy/LedgerIndex.h"
#include "copy/LedgerRecords.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace stowly {

// The history of verified copies: one JSON file, loaded once, rewritten whole on each save.
// A file that cannot be read is set aside and never overwritten. Main thread only.
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

private:
    void load();
    void save();
    qsizetype removeWhere(const std::function<bool(qsizetype)>& test);
    void setLastError(std::optional<QString> error);

    LedgerRecords m_entries;
    std::optional<QString> m_lastError;
    QString m_fileURL;
    std::optional<QDateTime> m_lastSaveAt;
    bool m_hasUnsavedChanges = false;
    bool m_saveBlocked = false;
    std::function<QDateTime()> m_clock;
};

} // namespace stowly
