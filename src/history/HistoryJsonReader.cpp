#include "history/HistoryJsonReader.h"

#include "base/LargeBlock.h"
#include "history/HistoryFile.h"

#include <QCoreApplication>

#include <simdjson.h>

#include <cerrno>
#include <cmath>
#include <cstring>

namespace stowly {
namespace {

enum class Key {
    sourceKey,
    cardName,
    sourceRelativePath,
    destinationPath,
    sha256,
    size,
    offloadedAt,
    unknown
};
constexpr unsigned allKeys = (1u << unsigned(Key::unknown)) - 1;
constexpr std::string_view keyNames[] = {"sourceKey",       "cardName", "sourceRelativePath",
                                         "destinationPath", "sha256",   "size",
                                         "offloadedAt"};
constexpr qint64 padding = simdjson::SIMDJSON_PADDING;

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(HistoryJsonReader)
};

QString nameOf(Key key) {
    const std::string_view name = keyNames[int(key)];
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

Key keyOf(std::string_view key) {
    for (unsigned k = 0; k < unsigned(Key::unknown); ++k)
        if (key == keyNames[k])
            return Key(k);
    return Key::unknown;
}

// A whole number, also when written as 2.5e7 or 12.0, within 64 bits.
bool readInteger(simdjson::dom::element value, qint64* out) {
    if (value.is_int64()) {
        *out = value.get_int64().value_unsafe();
        return true;
    }
    if (!value.is_double())
        return false;
    const double d = value.get_double().value_unsafe();
    if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9.2e18)
        return false;
    *out = qint64(d);
    return true;
}

// The end of the last "},{" in text: where a piece can end ('}' included) and the next begin
// ('{' one further, the ',' between them becoming both pieces' brackets).
const char* lastCut(const char* text, qint64 size) {
    for (qint64 i = size - 3; i >= 0; --i)
        if (text[i] == '}' && text[i + 1] == ',' && text[i + 2] == '{')
            return text + i + 1;
    return nullptr;
}

class Reader {
public:
    Reader(HistoryJsonReader::Source& source, qint64 size) : m_source(source), m_size(size) {}

    enum class Outcome { read, notJson, failed };

    // Piece by piece; `notJson` means a piece did not parse and only the whole text can tell.
    Outcome readInPieces(qint64 pieceBytes) {
        LargeBlock buffer(size_t(2 * pieceBytes + 2 * padding));
        // The piece starts one byte in, so that a '[' can go before it.
        char* const start = buffer.data() + 1;
        qint64 held = 0; // bytes of text at start
        qint64 offset = 0;
        bool first = true;
        for (;;) {
            const qint64 room = std::min(pieceBytes, m_size - offset);
            if (!fill(offset, start + held, room))
                return Outcome::failed;
            offset += room;
            held += room;
            const bool last = offset == m_size;
            const char* cut = last ? start + held : lastCut(start, held);
            // An entry longer than a piece: left to the whole text.
            if (!cut)
                return Outcome::notJson;
            char* const end = const_cast<char*>(cut);
            const char saved = *end;
            char* from = start;
            if (!first)
                *--from = '[';
            if (!last)
                *end = ']';
            const Outcome piece = readText(from, end + (last ? 0 : 1) - from);
            if (piece != Outcome::read)
                return piece;
            if (last)
                return Outcome::read;
            *end = saved;
            // The rest begins after the ','; its '[' will take the place before it.
            held = (start + held) - (end + 1);
            std::memmove(start, end + 1, size_t(held));
            first = false;
        }
    }

    // The whole text at once.
    Outcome readWhole() {
        LargeBlock buffer(size_t(m_size + padding));
        if (!fill(0, buffer.data(), m_size))
            return Outcome::failed;
        m_records = HistoryRecords();
        m_index = 0;
        const Outcome outcome = readText(buffer.data(), m_size);
        if (outcome == Outcome::notJson)
            m_message = Words::tr("the file isn’t valid JSON");
        return outcome == Outcome::notJson ? Outcome::failed : outcome;
    }

    HistoryRecords m_records;
    QString m_message;
    std::optional<int> m_unreadable;

private:
    bool fill(qint64 offset, char* into, qint64 bytes) {
        for (qint64 done = 0; done < bytes;) {
            const std::optional<qint64> n = m_source(offset + done, into + done, bytes - done);
            if (!n || *n == 0) {
                // A text that ends early was changed while it was read.
                m_unreadable = n ? EAGAIN : errno;
                return false;
            }
            done += *n;
        }
        return true;
    }

    Outcome readText(const char* text, qint64 size) {
        qint64 skipped = 0;
        if (m_index == 0 && size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0)
            skipped = 3;
        simdjson::dom::element root;
        const simdjson::error_code error =
            m_parser.parse(text + skipped, size_t(size - skipped), false).get(root);
        if (error == simdjson::MEMALLOC || error == simdjson::CAPACITY) {
            m_unreadable = ENOMEM;
            return Outcome::failed;
        }
        if (error != simdjson::SUCCESS)
            return Outcome::notJson;
        simdjson::dom::array list;
        if (root.get_array().get(list) != simdjson::SUCCESS) {
            m_message = Words::tr("the file doesn’t hold a list of entries");
            return Outcome::failed;
        }
        for (simdjson::dom::element item : list)
            if (!readEntry(item, m_index++))
                return Outcome::failed;
        return Outcome::read;
    }

    static QString where(qsizetype index) { return Words::tr("entry %1").arg(index + 1); }

    bool fail(const QString& message) {
        m_message = message;
        return false;
    }

    bool readEntry(simdjson::dom::element item, qsizetype index) {
        simdjson::dom::object object;
        if (item.get_object().get(object) != simdjson::SUCCESS)
            return fail(Words::tr("%1 isn’t an object").arg(where(index)));
        std::array<QByteArrayView, HistoryRecords::fieldCount> texts;
        qint64 size = 0;
        qint64 offloadedAt = 0;
        unsigned seen = 0;
        // In file order, so that of a key written twice the later one counts.
        for (const simdjson::dom::key_value_pair field : object) {
            const Key key = keyOf(field.key);
            if (key == Key::unknown)
                continue;
            const auto wrongKind = [&] {
                return fail(
                    Words::tr("%1 has a “%2” of the wrong kind").arg(where(index), nameOf(key)));
            };
            std::string_view text;
            if (key == Key::size) {
                if (!readInteger(field.value, &size))
                    return wrongKind();
            } else if (field.value.get_string().get(text) != simdjson::SUCCESS) {
                return wrongKind();
            } else if (key == Key::offloadedAt) {
                const std::optional<qint64> seconds =
                    HistoryFile::parseInternetSeconds(QByteArrayView(text.data(), text.size()));
                if (!seconds)
                    return fail(Words::tr("%1 has a date in another form").arg(where(index)));
                offloadedAt = *seconds;
            } else {
                texts[size_t(key)] = QByteArrayView(text.data(), qsizetype(text.size()));
            }
            seen |= 1u << unsigned(key);
        }
        for (unsigned k = 0; k < unsigned(Key::unknown); ++k)
            if (!(seen & (1u << k)))
                return fail(Words::tr("%1 has no “%2”").arg(where(index), nameOf(Key(k))));
        m_records.append(texts, size, offloadedAt);
        return true;
    }

    HistoryJsonReader::Source& m_source;
    qint64 m_size;
    simdjson::dom::parser m_parser;
    qsizetype m_index = 0;
};

} // namespace

std::variant<HistoryRecords, QString> HistoryJsonReader::read() {
    Reader reader(m_source, m_size);
    try {
        Reader::Outcome outcome = reader.readInPieces(pieceBytes);
        if (outcome == Reader::Outcome::notJson)
            outcome = reader.readWhole();
        if (outcome == Reader::Outcome::read)
            return std::move(reader.m_records);
    } catch (const std::bad_alloc&) {
        reader.m_unreadable = ENOMEM;
    }
    unreadable = reader.m_unreadable;
    return reader.m_message;
}

} // namespace stowly
