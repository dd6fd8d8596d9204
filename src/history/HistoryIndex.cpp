#include "history/HistoryIndex.h"

#include <QHashFunctions>

#include <algorithm>

namespace stowly {
namespace {

quint64 hashBytes(QByteArrayView bytes) {
    return qHash(bytes, 0x5eed);
}

} // namespace

HistoryIndex::HistoryIndex() : HistoryIndex(HistoryRecords()) {}

HistoryIndex::HistoryIndex(HistoryRecords records) : m_shared(std::make_shared<Shared>()) {
    m_shared->records = std::move(records);
}

const HistoryIndex::Table& HistoryIndex::table() const {
    Shared& shared = *m_shared;
    std::call_once(shared.built, [&shared] {
        const HistoryRecords& records = shared.records;
        Table& t = shared.table;
        size_t capacity = 16;
        while (capacity < size_t(records.size()) * 2)
            capacity *= 2;
        t.slots.assign(capacity, 0);
        t.earlier.assign(size_t(records.size()), 0);
        const size_t mask = capacity - 1;
        for (qsizetype i = 0; i < records.size(); ++i) {
            const QByteArrayView key = records.text(i, HistoryRecords::sourceKey);
            size_t slot = size_t(hashBytes(key)) & mask;
            while (t.slots[slot] != 0) {
                if (records.text(t.slots[slot] - 1, HistoryRecords::sourceKey) == key)
                    break;
                slot = (slot + 1) & mask;
            }
            if (t.slots[slot] == 0)
                ++t.keys;
            t.earlier[size_t(i)] = t.slots[slot];
            t.slots[slot] = quint32(i + 1);
        }
    });
    return shared.table;
}

HistoryIndex HistoryIndex::from(const QList<HistoryEntry>& entries) {
    HistoryRecords records;
    for (const HistoryEntry& e : entries)
        records.append(e);
    return HistoryIndex(std::move(records));
}

qsizetype HistoryIndex::size() const {
    return table().keys;
}

qsizetype HistoryIndex::position(QByteArrayView key) const {
    const Table& t = table();
    const HistoryRecords& records = m_shared->records;
    const size_t mask = t.slots.size() - 1;
    size_t slot = size_t(hashBytes(key)) & mask;
    while (t.slots[slot] != 0) {
        const qsizetype i = t.slots[slot] - 1;
        if (records.text(i, HistoryRecords::sourceKey) == key)
            return i;
        slot = (slot + 1) & mask;
    }
    return -1;
}

HistoryIndex HistoryIndex::withOtherStations(const QList<HistoryEntry>& others) const {
    auto byKey = std::make_shared<Others>(m_others ? *m_others : Others());
    for (const HistoryEntry& entry : others)
        (*byKey)[entry.sourceKey].append(entry);
    for (QList<HistoryEntry>& entries : *byKey)
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return a.offloadedAt > b.offloadedAt;
        });
    HistoryIndex merged = *this;
    merged.m_others = std::move(byKey);
    return merged;
}

std::optional<HistoryEntry> HistoryIndex::find(const QString& key) const {
    if (!m_others || !m_others->contains(key)) {
        const qsizetype i = position(key.toUtf8());
        if (i < 0)
            return std::nullopt;
        return m_shared->records.at(i);
    }
    const QList<HistoryEntry> entries = findAll(key);
    if (entries.isEmpty())
        return std::nullopt;
    return entries.first();
}

QList<HistoryEntry> HistoryIndex::findAll(const QString& key) const {
    QList<HistoryEntry> entries;
    const Table& t = table();
    for (qsizetype i = position(key.toUtf8()); i >= 0; i = qsizetype(t.earlier[size_t(i)]) - 1)
        entries.append(m_shared->records.at(i));
    if (!m_others)
        return entries;
    // Another station's copy goes before this station's older ones; at the same second this
    // station's own wins.
    for (const HistoryEntry& other : m_others->value(key)) {
        qsizetype at = 0;
        while (at < entries.size() && entries[at].offloadedAt >= other.offloadedAt)
            ++at;
        entries.insert(at, other);
    }
    return entries;
}

bool HistoryIndex::contains(const QString& key) const {
    return position(key.toUtf8()) >= 0 || (m_others && m_others->contains(key));
}

CopyLookup HistoryIndex::lookup() const {
    return [this](const QString& key) {
        QList<RecordedCopy> copies;
        for (const HistoryEntry& entry : findAll(key))
            copies.append(
                RecordedCopy{entry.destinationPath, entry.size, !entry.station.isEmpty()});
        return copies;
    };
}

} // namespace stowly
