#include "history/LedgerJsonReader.h"

#include "base/FileNames.h"
#include "history/LedgerFile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

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

Key keyOf(QByteArrayView key) {
    static const std::pair<const char*, Key> names[] = {
        {"sourceKey", Key::sourceKey},
        {"cardName", Key::cardName},
        {"sourceRelativePath", Key::sourceRelativePath},
        {"destinationPath", Key::destinationPath},
        {"sha256", Key::sha256},
        {"size", Key::size},
        {"offloadedAt", Key::offloadedAt},
    };
    for (const auto& [name, k] : names)
        if (key == name)
            return k;
    return Key::unknown;
}

const char* keyName(Key key) {
    static const char* names[] = {"sourceKey", "cardName", "sourceRelativePath", "destinationPath",
                                  "sha256",    "size",     "offloadedAt"};
    return key == Key::unknown ? "" : names[int(key)];
}

void appendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

class Reader {
public:
    explicit Reader(QByteArrayView data)
        : begin(data.data()), p(data.data()), end(data.data() + data.size()) {}

    std::function<void(const char*)> consumed;

    std::variant<LedgerRecords, QString> read() {
        LedgerRecords records;
        records.reserve((end - p) / 330, end - p);
        if (end - p >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
            p += 3;
        skipSpace();
        if (!take('['))
            return fail(QCoreApplication::translate("LedgerJsonReader",
                                                    "the file doesn’t hold a list of entries"));
        skipSpace();
        if (!take(']')) {
            for (qsizetype index = 0;; ++index) {
                if (!readEntry(records, index))
                    return message;
                if (consumed)
                    consumed(p);
                skipSpace();
                if (take(',')) {
                    skipSpace();
                    continue;
                }
                if (take(']'))
                    break;
                return fail(invalid());
            }
        }
        skipSpace();
        if (p != end)
            return fail(invalid());
        return records;
    }

private:
    const char* begin;
    const char* p;
    const char* end;
    QString message;
    std::string scratch[5];
    std::string keyScratch;

    static QString invalid() {
        return QCoreApplication::translate("LedgerJsonReader", "the file isn’t valid JSON");
    }

    QString fail(const QString& text) {
        message = QCoreApplication::translate("LedgerJsonReader", "%1 at byte %2")
                      .arg(text, QString::number(p - begin));
        return message;
    }

    void skipSpace() {
        while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
            ++p;
    }

    bool take(char c) {
        if (p < end && *p == c) {
            ++p;
            return true;
        }
        return false;
    }

    bool hex4(char32_t* out) {
        if (end - p < 4)
            return false;
        char32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = p[i];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= char32_t(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= char32_t(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= char32_t(c - 'A' + 10);
            else
                return false;
        }
        p += 4;
        *out = v;
        return true;
    }

    // A JSON string as UTF-8: a view into the input when it holds no escapes, else decoded
    // into buffer.
    bool readString(QByteArrayView* out, std::string& buffer) {
        if (!take('"'))
            return false;
        const char* start = p;
        while (p < end) {
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c == '"') {
                *out = QByteArrayView(start, p - start);
                ++p;
                return true;
            }
            if (c == '\\')
                break;
            if (c < 0x20)
                return false;
            if (c < 0x80) {
                ++p;
                continue;
            }
            const qsizetype length = fileNames::utf8SequenceLength(p, end - p);
            if (length == 0)
                return false;
            p += length;
        }
        if (p >= end)
            return false;
        buffer.assign(start, size_t(p - start));
        while (p < end) {
            // Copy the run up to the next quote, escape or byte that needs a look.
            const char* run = p;
            while (p < end && static_cast<unsigned char>(*p) >= 0x20 &&
                   static_cast<unsigned char>(*p) < 0x80 && *p != '"' && *p != '\\')
                ++p;
            buffer.append(run, size_t(p - run));
            if (p >= end)
                return false;
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c == '"') {
                ++p;
                *out = QByteArrayView(buffer.data(), qsizetype(buffer.size()));
                return true;
            }
            if (c < 0x20)
                return false;
            if (c >= 0x80) {
                const qsizetype length = fileNames::utf8SequenceLength(p, end - p);
                if (length == 0)
                    return false;
                buffer.append(p, size_t(length));
                p += length;
                continue;
            }
            if (++p >= end)
                return false;
            const char e = *p++;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                buffer += e;
                break;
            case 'b':
                buffer += '\b';
                break;
            case 'f':
                buffer += '\f';
                break;
            case 'n':
                buffer += '\n';
                break;
            case 'r':
                buffer += '\r';
                break;
            case 't':
                buffer += '\t';
                break;
            case 'u': {
                char32_t unit;
                if (!hex4(&unit))
                    return false;
                if (unit >= 0xD800 && unit <= 0xDBFF) {
                    char32_t low;
                    if (end - p < 6 || p[0] != '\\' || p[1] != 'u')
                        return false;
                    p += 2;
                    if (!hex4(&low) || low < 0xDC00 || low > 0xDFFF)
                        return false;
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
                    return false;
                }
                appendCodePoint(buffer, unit);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool readInteger(qint64* out) {
        const char* start = p;
        take('-');
        if (p >= end || *p < '0' || *p > '9')
            return false;
        if (*p == '0')
            ++p;
        else
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
        bool whole = true;
        if (take('.')) {
            whole = false;
            if (p >= end || *p < '0' || *p > '9')
                return false;
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
        }
        if (p < end && (*p == 'e' || *p == 'E')) {
            whole = false;
            ++p;
            if (p < end && (*p == '+' || *p == '-'))
                ++p;
            if (p >= end || *p < '0' || *p > '9')
                return false;
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
        }
        const std::string text(start, size_t(p - start));
        if (whole) {
            errno = 0;
            const long long value = std::strtoll(text.c_str(), nullptr, 10);
            if (errno == ERANGE)
                return false;
            *out = value;
            return true;
        }
        const double value = std::strtod(text.c_str(), nullptr);
        if (!std::isfinite(value) || value != std::floor(value) || std::fabs(value) > 9.2e18)
            return false;
        *out = qint64(value);
        return true;
    }

    bool skipValue(int depth = 0) {
        if (depth > 256 || p >= end)
            return false;
        QByteArrayView ignored;
        switch (*p) {
        case '"':
            return readString(&ignored, keyScratch);
        case '{':
            ++p;
            skipSpace();
            if (take('}'))
                return true;
            for (;;) {
                skipSpace();
                if (!readString(&ignored, keyScratch))
                    return false;
                skipSpace();
                if (!take(':'))
                    return false;
                skipSpace();
                if (!skipValue(depth + 1))
                    return false;
                skipSpace();
                if (take(','))
                    continue;
                return take('}');
            }
        case '[':
            ++p;
            skipSpace();
            if (take(']'))
                return true;
            for (;;) {
                skipSpace();
                if (!skipValue(depth + 1))
                    return false;
                skipSpace();
                if (take(','))
                    continue;
                return take(']');
            }
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default: {
            // Any JSON number.
            take('-');
            if (p >= end || *p < '0' || *p > '9')
                return false;
            while (p < end && ((*p >= '0' && *p <= '9') || *p == '.' || *p == 'e' || *p == 'E' ||
                               *p == '+' || *p == '-'))
                ++p;
            return true;
        }
        }
    }

    bool literal(const char* word) {
        const size_t n = std::strlen(word);
        if (size_t(end - p) < n || std::memcmp(p, word, n) != 0)
            return false;
        p += n;
        return true;
    }

    static QString where(qsizetype index) {
        return QCoreApplication::translate("LedgerJsonReader", "entry %1").arg(index + 1);
    }

    bool readEntry(LedgerRecords& records, qsizetype index) {
        if (!take('{')) {
            fail(QCoreApplication::translate("LedgerJsonReader", "%1 isn’t an object")
                     .arg(where(index)));
            return false;
        }
        std::array<QByteArrayView, LedgerRecords::fieldCount> texts;
        qint64 size = 0;
        qint64 offloadedAt = 0;
        unsigned seen = 0;
        skipSpace();
        if (!take('}')) {
            for (;;) {
                skipSpace();
                QByteArrayView keyText;
                if (!readString(&keyText, keyScratch)) {
                    fail(invalid());
                    return false;
                }
                const Key key = keyOf(keyText);
                skipSpace();
                if (!take(':')) {
                    fail(invalid());
                    return false;
                }
                skipSpace();
                const auto wrongKind = [&] {
                    fail(QCoreApplication::translate("LedgerJsonReader",
                                                     "%1 has a “%2” of the wrong kind")
                             .arg(where(index), QLatin1StringView(keyName(key))));
                    return false;
                };
                switch (key) {
                case Key::unknown:
                    if (!skipValue()) {
                        fail(invalid());
                        return false;
                    }
                    break;
                case Key::size:
                    if (!readInteger(&size))
                        return wrongKind();
                    break;
                case Key::offloadedAt: {
                    QByteArrayView text;
                    if (!readString(&text, keyScratch))
                        return wrongKind();
                    const std::optional<qint64> seconds = LedgerFile::parseInternetSeconds(text);
                    if (!seconds) {
                        fail(QCoreApplication::translate("LedgerJsonReader",
                                                         "%1 has a date in another form")
                                 .arg(where(index)));
                        return false;
                    }
                    offloadedAt = *seconds;
                    break;
                }
                default:
                    if (!readString(&texts[size_t(key)], scratch[int(key)]))
                        return wrongKind();
                }
                if (key != Key::unknown)
                    seen |= 1u << unsigned(key);
                skipSpace();
                if (take(','))
                    continue;
                if (take('}'))
                    break;
                fail(invalid());
                return false;
            }
        }
        if (seen != allKeys) {
            for (unsigned k = 0; k < unsigned(Key::unknown); ++k)
                if (!(seen & (1u << k))) {
                    fail(QCoreApplication::translate("LedgerJsonReader", "%1 has no “%2”")
                             .arg(where(index), QLatin1StringView(keyName(Key(k)))));
                    break;
                }
            return false;
        }
        records.append(texts, size, offloadedAt);
        return true;
    }
};

} // namespace

std::variant<LedgerRecords, QString> LedgerJsonReader::read() {
    Reader reader(m_data);
    reader.consumed = consumed;
    return reader.read();
}

} // namespace stowly
