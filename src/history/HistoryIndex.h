#pragma once

#include "history/HistoryRecords.h"
#include "media/CardInventory.h"

#include <QHash>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace stowly {

// The history indexed by source key, where the latest entry of a key wins; the earlier ones
// stay reachable for keys copied to several destinations. A snapshot: safe to read on another
// thread while the history changes. Taking it is cheap; the table is built on the first look-up,
// on whichever thread makes it (a scan's worker, not the window's thread), and shared by copies.
class HistoryIndex {
public:
    HistoryIndex();
    explicit HistoryIndex(HistoryRecords records);
    static HistoryIndex from(const QList<HistoryEntry>& entries);
    // This index together with other stations' records (a shared history's, usually one
    // card's); their copies are looked up as made elsewhere.
    HistoryIndex withOtherStations(const QList<HistoryEntry>& others) const;

    std::optional<HistoryEntry> find(const QString& key) const;
    // Every entry of the key, the latest first.
    QList<HistoryEntry> findAll(const QString& key) const;
    bool contains(const QString& key) const;
    // Number of distinct keys.
    qsizetype size() const;
    // This index as the card split asks for it; valid while the index lives.
    CopyLookup lookup() const;

private:
    struct Table {
        // Open addressing: entry index + 1 per slot, 0 for an empty slot.
        std::vector<quint32> slots;
        // Per entry: the entry of the same key before it + 1, 0 for the first.
        std::vector<quint32> earlier;
        qsizetype keys = 0;
    };
    struct Shared {
        HistoryRecords records;
        std::once_flag built;
        Table table;
    };

    const Table& table() const;
    qsizetype position(QByteArrayView key) const;

    // Other stations' entries by key, the latest first.
    using Others = QHash<QString, QList<HistoryEntry>>;
    std::shared_ptr<Shared> m_shared;
    std::shared_ptr<const Others> m_others;
};

} // namespace stowly
