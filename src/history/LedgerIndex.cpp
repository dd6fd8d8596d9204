#include "history/LedgerIndex.h"

#include <QHashFunctions>

namespace stowly {
namespace {

quint64 hashBytes(QByteArrayView bytes) {
    return qHash(bytes, 0x5eed);
}

} // namespace

LedgerIndex::LedgerIndex(LedgerRecords records) : m_records(std::move(records)) {
    size_t capacity = 16;
    while (capacity < size_t(m_records.size()) * 2)
        capacity *= 2;
    m_slots.assign(capacity, 0);
    m_earlier.assign(size_t(m_records.size()), 0);
    const size_t mask = capacity - 1;
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        const QByteArrayView key = m_records.text(i, LedgerRecords::sourceKey);
        size_t slot = size_t(hashBytes(key)) & mask;
        while (m_slots[slot] != 0) {
            if (m_records.text(m_slots[slot] - 1, LedgerRecords::sourceKey) == key)
                break;
            slot = (slot + 1) & mask;
        }
        if (m_slots[slot] == 0)
            ++m_keys;
        m_earlier[size_t(i)] = m_slots[slot];
        m_slots[slot] = quint32(i + 1);
    }
}

LedgerIndex LedgerIndex::from(const QList<LedgerEntry>& entries) {
    LedgerRecords records;
    for (const LedgerEntry& e : entries)
        records.append(e);
    return LedgerIndex(std::move(records));
}

qsizetype LedgerIndex::position(QByteArrayView key) const {
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    size_t slot = size_t(hashBytes(key)) & mask;
    while (m_slots[slot] != 0) {
        const qsizetype i = m_slots[slot] - 1;
        if (m_records.text(i, LedgerRecords::sourceKey) == key)
            return i;
        slot = (slot + 1) & mask;
    }
    return -1;
}

std::optional<LedgerEntry> LedgerIndex::find(const QString& key) const {
    const qsizetype i = position(key.toUtf8());
    if (i < 0)
        return std::nullopt;
    return m_records.at(i);
}

QList<LedgerEntry> LedgerIndex::findAll(const QString& key) const {
    QList<LedgerEntry> entries;
    for (qsizetype i = position(key.toUtf8()); i >= 0; i = qsizetype(m_earlier[size_t(i)]) - 1)
        entries.append(m_records.at(i));
    return entries;
}

CopyLookup LedgerIndex::lookup() const {
    return [this](const QString& key) {
        QList<RecordedCopy> copies;
        for (const LedgerEntry& entry : findAll(key))
            copies.append(RecordedCopy{entry.destinationPath, entry.size});
        return copies;
    };
}

} // namespace stowly
