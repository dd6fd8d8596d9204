#pragma once

#include "copy/LedgerEntry.h"

#include <QHash>
#include <QList>

namespace stowly {

// The history indexed by source key, where the latest entry of a key wins. A snapshot: cheap to
// take (the lists are shared until the history changes) and safe to read on another thread.
class LedgerIndex {
public:
    LedgerIndex() = default;
    LedgerIndex(QList<LedgerEntry> entries, QHash<QString, qsizetype> positions)
        : m_entries(std::move(entries)), m_positions(std::move(positions)) {}
    static LedgerIndex from(const QList<LedgerEntry>& entries);

    const LedgerEntry* find(const QString& key) const {
        const auto it = m_positions.constFind(key);
        return it == m_positions.cend() ? nullptr : &m_entries[*it];
    }
    bool contains(const QString& key) const { return m_positions.contains(key); }
    qsizetype size() const { return m_positions.size(); }

private:
    QList<LedgerEntry> m_entries;
    QHash<QString, qsizetype> m_positions;
};

inline LedgerIndex LedgerIndex::from(const QList<LedgerEntry>& entries) {
    QHash<QString, qsizetype> positions;
    positions.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        positions.insert(entries[i].sourceKey, i);
    return LedgerIndex(entries, std::move(positions));
}

} // namespace stowly
