#include "history/HistoryRecords.h"

#include "media/Clip.h"

#include <cstring>
#include <new>

namespace stowly {

HistoryRecords::HistoryRecords(const HistoryRecords& other)
    : m_chunks(other.m_chunks), m_records(other.m_records), m_count(other.m_count),
      m_ownsTextTail(false), m_ownsRecordTail(false) {}

HistoryRecords& HistoryRecords::operator=(const HistoryRecords& other) {
    if (this != &other) {
        m_chunks = other.m_chunks;
        m_records = other.m_records;
        m_count = other.m_count;
        m_ownsTextTail = false;
        m_ownsRecordTail = false;
    }
    return *this;
}

QByteArrayView HistoryRecords::text(qsizetype i, Field field) const {
    const Record& r = record(i);
    quint32 start = r.offset;
    for (int f = 0; f < field; ++f)
        start += r.lengths[size_t(f)];
    return QByteArrayView(m_chunks[r.chunk]->bytes() + start, r.lengths[size_t(field)]);
}

HistoryEntry HistoryRecords::at(qsizetype i) const {
    const Record& r = record(i);
    const char* base = m_chunks[r.chunk]->bytes() + r.offset;
    QString texts[fieldCount];
    for (int f = 0; f < fieldCount; ++f) {
        texts[f] = QString::fromUtf8(base, r.lengths[size_t(f)]);
        base += r.lengths[size_t(f)];
    }
    HistoryEntry e;
    e.sourceKey = std::move(texts[sourceKey]);
    e.cardName = std::move(texts[cardName]);
    e.sourceRelativePath = std::move(texts[sourceRelativePath]);
    e.destinationPath = std::move(texts[destinationPath]);
    e.sha256 = std::move(texts[sha256]);
    e.size = r.size;
    e.offloadedAt = QDateTime::fromSecsSinceEpoch(r.offloadedAt, Qt::UTC);
    return e;
}

char* HistoryRecords::reserveText(qsizetype bytes, quint32* chunk, quint32* offset) {
    const bool fits = m_ownsTextTail && !m_chunks.empty() &&
                      m_chunks.back()->capacity - m_chunks.back()->used >= bytes;
    if (!fits) {
        m_chunks.push_back(std::make_shared<Chunk>(std::max(bytes, chunkBytes)));
        m_ownsTextTail = true;
    }
    Chunk& c = *m_chunks.back();
    *chunk = quint32(m_chunks.size() - 1);
    *offset = quint32(c.used);
    char* at = c.bytes() + c.used;
    c.used += bytes;
    return at;
}

void HistoryRecords::appendRecord(const Record& r) {
    const qsizetype slot = m_count % recordsPerBlock;
    if (slot == 0) {
        m_records.push_back(std::make_shared<RecordBlock>());
        m_ownsRecordTail = true;
    } else if (!m_ownsRecordTail) {
        auto own = std::make_shared<RecordBlock>();
        std::memcpy(own->records(), m_records.back()->records(), size_t(slot) * sizeof(Record));
        m_records.back() = std::move(own);
        m_ownsRecordTail = true;
    }
    m_records.back()->records()[slot] = r;
    ++m_count;
}

void HistoryRecords::append(const std::array<QByteArrayView, fieldCount>& texts, qint64 size,
                            qint64 offloadedAtSeconds) {
    qsizetype total = 0;
    for (const QByteArrayView& t : texts)
        total += t.size();
    Record r{};
    char* w = reserveText(total, &r.chunk, &r.offset);
    for (int f = 0; f < fieldCount; ++f) {
        std::memcpy(w, texts[size_t(f)].data(), size_t(texts[size_t(f)].size()));
        w += texts[size_t(f)].size();
        r.lengths[size_t(f)] = quint32(texts[size_t(f)].size());
    }
    r.size = size;
    r.offloadedAt = offloadedAtSeconds;
    appendRecord(r);
}

void HistoryRecords::append(const HistoryEntry& e) {
    const QByteArray texts[fieldCount] = {e.sourceKey.toUtf8(), e.cardName.toUtf8(),
                                          e.sourceRelativePath.toUtf8(), e.destinationPath.toUtf8(),
                                          e.sha256.toUtf8()};
    append({texts[0], texts[1], texts[2], texts[3], texts[4]}, e.size,
           e.offloadedAt.isValid() ? floorSeconds(e.offloadedAt) : 0);
}

void HistoryRecords::appendFrom(const HistoryRecords& other, qsizetype i) {
    append({other.text(i, sourceKey), other.text(i, cardName), other.text(i, sourceRelativePath),
            other.text(i, destinationPath), other.text(i, sha256)},
           other.fileSize(i), other.offloadedAt(i));
}

void HistoryRecords::removeLast() {
    if (m_count == 0)
        return;
    --m_count;
    if (m_count % recordsPerBlock == 0) {
        m_records.pop_back();
        m_ownsRecordTail = true;
    } else if (m_records.back().use_count() > 1) {
        // A copy still reads the slot; the next entry goes into a block of this set's own.
        m_ownsRecordTail = false;
    }
    // Its texts stay where they are, unread: a copy may read them, and they are small.
}

void HistoryRecords::reserve(qsizetype entries, qsizetype textBytes) {
    m_records.reserve(size_t(entries / recordsPerBlock + 1));
    m_chunks.reserve(size_t(textBytes / chunkBytes + 1));
}

HistoryRecords::Encoded::Encoded(const HistoryEntry& e)
    : texts{e.sourceKey.toUtf8(), e.cardName.toUtf8(), e.sourceRelativePath.toUtf8(),
            e.destinationPath.toUtf8(), e.sha256.toUtf8()},
      size(e.size) {
    if (e.offloadedAt.isValid() && e.offloadedAt.toMSecsSinceEpoch() % 1000 == 0)
        offloadedAt = floorSeconds(e.offloadedAt);
}

bool HistoryRecords::matches(qsizetype i, const Encoded& e) const {
    if (fileSize(i) != e.size || !e.offloadedAt || offloadedAt(i) != *e.offloadedAt)
        return false;
    for (int f = 0; f < fieldCount; ++f)
        if (text(i, Field(f)) != e.texts[size_t(f)])
            return false;
    return true;
}

QList<HistoryEntry> HistoryRecords::toList() const {
    QList<HistoryEntry> list;
    list.reserve(m_count);
    for (qsizetype i = 0; i < m_count; ++i)
        list.append(at(i));
    return list;
}

} // namespace stowly
