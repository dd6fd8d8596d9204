#pragma once

#include "base/LargeBlock.h"
#include "copy/HistoryEntry.h"

#include <QByteArrayView>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace stowly {

// The history's entries in compact form: their texts as UTF-8 in large append-only chunks and
// one small fixed record per entry. A million entries then take about the size of the file
// instead of five heap strings each. Copies share the chunks and see only the entries that
// existed when they were made, so a copy is a cheap snapshot another thread may read while the
// original keeps growing.
class HistoryRecords {
public:
    enum Field { sourceKey, cardName, sourceRelativePath, destinationPath, sha256, fieldCount };

    HistoryRecords() = default;
    HistoryRecords(const HistoryRecords& other);
    HistoryRecords& operator=(const HistoryRecords& other);
    HistoryRecords(HistoryRecords&&) noexcept = default;
    HistoryRecords& operator=(HistoryRecords&&) noexcept = default;

    qsizetype size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }

    HistoryEntry at(qsizetype i) const;
    QByteArrayView text(qsizetype i, Field field) const;
    qint64 fileSize(qsizetype i) const { return record(i).size; }
    // Whole seconds since 1970 (UTC).
    qint64 offloadedAt(qsizetype i) const { return record(i).offloadedAt; }

    void append(const HistoryEntry& entry);
    // Texts already in UTF-8, in Field order.
    void append(const std::array<QByteArrayView, fieldCount>& texts, qint64 size,
                qint64 offloadedAtSeconds);
    // Entry i of another set.
    void appendFrom(const HistoryRecords& other, qsizetype i);
    // Takes back the last entry; copies made before keep it.
    void removeLast();
    void reserve(qsizetype entries, qsizetype textBytes);

    // An entry prepared for comparing with many records.
    struct Encoded {
        explicit Encoded(const HistoryEntry& entry);
        std::array<QByteArray, fieldCount> texts;
        qint64 size;
        std::optional<qint64> offloadedAt; // none when not whole seconds: equal to nothing stored
    };
    // Whether entry i equals the given entry in all seven fields.
    bool matches(qsizetype i, const Encoded& entry) const;
    // A new set without the entries for which remove(i) is true.
    template <typename Predicate> HistoryRecords without(Predicate remove) const {
        HistoryRecords kept;
        for (qsizetype i = 0; i < m_count; ++i)
            if (!remove(i))
                kept.appendFrom(*this, i);
        return kept;
    }

    QList<HistoryEntry> toList() const;

    class const_iterator {
    public:
        using value_type = HistoryEntry;
        using difference_type = qsizetype;
        const_iterator(const HistoryRecords* r, qsizetype i) : m_records(r), m_index(i) {}
        HistoryEntry operator*() const { return m_records->at(m_index); }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return m_index == o.m_index; }

    private:
        const HistoryRecords* m_records;
        qsizetype m_index;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, m_count}; }

private:
    struct Record {
        quint32 chunk;
        quint32 offset;
        std::array<quint32, fieldCount> lengths;
        qint64 size;
        qint64 offloadedAt;
    };
    static constexpr qsizetype recordsPerBlock = 65536;
    static constexpr qsizetype chunkBytes = 4 << 20;
    struct Chunk {
        explicit Chunk(qsizetype capacity) : memory(size_t(capacity)), capacity(capacity) {}
        char* bytes() const { return memory.data(); }
        LargeBlock memory;
        qsizetype capacity;
        qsizetype used = 0;
    };
    struct RecordBlock {
        RecordBlock() : memory(sizeof(Record) * recordsPerBlock) {}
        Record* records() const { return reinterpret_cast<Record*>(memory.data()); }
        LargeBlock memory;
    };

    const Record& record(qsizetype i) const {
        return m_records[size_t(i / recordsPerBlock)]->records()[i % recordsPerBlock];
    }
    char* reserveText(qsizetype bytes, quint32* chunk, quint32* offset);
    void appendRecord(const Record& record);

    std::vector<std::shared_ptr<Chunk>> m_chunks;
    std::vector<std::shared_ptr<RecordBlock>> m_records;
    qsizetype m_count = 0;
    // A copy never writes into the last chunk or block it shares with the object it was copied
    // from; it starts (or copies) its own when it grows.
    bool m_ownsTextTail = true;
    bool m_ownsRecordTail = true;
};

} // namespace stowly
