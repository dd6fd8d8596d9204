#include "copy/LedgerFile.h"

#include "copy/SystemError.h"
#include "media/FileNames.h"

#include <QStringDecoder>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
qint64 daysFromCivil(qint64 y, unsigned m, unsigned d) {
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + qint64(doe) - 719468;
}

void civilFromDays(qint64 z, qint64* y, unsigned* m, unsigned* d) {
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    *d = doy - (153 * mp + 2) / 5 + 1;
    *m = mp < 10 ? mp + 3 : mp - 9;
    *y = qint64(yoe) + era * 400 + (*m <= 2);
}

bool isLeap(qint64 y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned daysInMonth(qint64 y, unsigned m) {
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

enum class Key {
    sourceKey,
    cardName,
    sourceRelativePath,
    destinationPath,
    size,
    sha256,
    offloadedAt,
    unknown
};

Key keyOf(QByteArrayView key) {
    if (key == "sourceKey")
        return Key::sourceKey;
    if (key == "cardName")
        return Key::cardName;
    if (key == "sourceRelativePath")
        return Key::sourceRelativePath;
    if (key == "destinationPath")
        return Key::destinationPath;
    if (key == "size")
        return Key::size;
    if (key == "sha256")
        return Key::sha256;
    if (key == "offloadedAt")
        return Key::offloadedAt;
    return Key::unknown;
}

const char* keyName(Key key) {
    switch (key) {
    case Key::sourceKey:
        return "sourceKey";
    case Key::cardName:
        return "cardName";
    case Key::sourceRelativePath:
        return "sourceRelativePath";
    case Key::destinationPath:
        return "destinationPath";
    case Key::size:
        return "size";
    case Key::sha256:
        return "sha256";
    case Key::offloadedAt:
        return "offloadedAt";
    case Key::unknown:
        break;
    }
    return "";
}

class Parser {
public:
    explicit Parser(QByteArrayView data)
        : p(data.data()), begin(data.data()), end(data.data() + data.size()) {}

    // Told after each entry how far the parse has come, so a caller can release what lies
    // behind.
    std::function<void(const char*)> consumed;
    qsizetype expectedEntries = 0;

    std::variant<QList<LedgerEntry>, QString> parse() {
        QList<LedgerEntry> entries;
        entries.reserve(expectedEntries);
        skipSpace();
        if (p < end && *p == '\xEF' && end - p >= 3 && p[1] == '\xBB' && p[2] == '\xBF')
            p += 3;
        skipSpace();
        if (!expect('['))
            return error(QStringLiteral("the file doesn’t hold a list of entries"));
        skipSpace();
        if (p < end && *p == ']') {
            ++p;
        } else {
            for (;;) {
                LedgerEntry entry;
                if (!parseEntry(entry, entries.size()))
                    return message;
                entries.append(std::move(entry));
                if (consumed)
                    consumed(p);
                skipSpace();
                if (p < end && *p == ',') {
                    ++p;
                    skipSpace();
                    continue;
                }
                if (!expect(']'))
                    return error(QStringLiteral("the file isn’t valid JSON"));
                break;
            }
        }
        skipSpace();
        if (p != end)
            return error(QStringLiteral("the file isn’t valid JSON"));
        return entries;
    }

private:
    const char* p;
    const char* begin;
    const char* end;
    QString message;
    QByteArray escapedKey;
    QString lastCardName; // shared between entries: a history holds few distinct card names
    QStringDecoder decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};

    QString error(const QString& text) {
        message = text + QStringLiteral(" at byte %1").arg(p - begin);
        return message;
    }

    void skipSpace() {
        while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
            ++p;
    }

    bool expect(char c) {
        if (p < end && *p == c) {
            ++p;
            return true;
        }
        return false;
    }

    static int hexValue(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    bool readHex4(char16_t* out) {
        if (end - p < 4)
            return false;
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            const int h = hexValue(p[i]);
            if (h < 0)
                return false;
            v = v * 16 + h;
        }
        p += 4;
        *out = char16_t(v);
        return true;
    }

    // Raw bytes of a string without escapes, for keys.
    bool parseKey(QByteArrayView* key) {
        if (!expect('"'))
            return false;
        const char* start = p;
        while (p < end && *p != '"' && *p != '\\' && static_cast<unsigned char>(*p) >= 0x20)
            ++p;
        if (p < end && *p == '"') {
            *key = QByteArrayView(start, p - start);
            ++p;
            return true;
        }
        // A key written with escapes: decode it fully before comparing.
        p = start - 1;
        QString decoded;
        if (!parseString(&decoded))
            return false;
        escapedKey = decoded.toUtf8();
        *key = escapedKey;
        return true;
    }

    bool appendUtf8(QString* out, const char* start, qsizetype length) {
        bool ascii = true;
        for (qsizetype i = 0; i < length; ++i)
            if (static_cast<unsigned char>(start[i]) >= 0x80) {
                ascii = false;
                break;
            }
        if (ascii) {
            out->append(QLatin1StringView(start, length));
            return true;
        }
        out->append(decoder(QByteArrayView(start, length)));
        if (decoder.hasError()) {
            decoder.resetState();
            return false;
        }
        return true;
    }

    bool parseString(QString* out) {
        if (!expect('"'))
            return false;
        const char* runStart = p;
        // Most values are plain ASCII without escapes: make them in one exact allocation.
        {
            const char* q = p;
            while (q < end && *q != '"' && *q != '\\' && static_cast<unsigned char>(*q) >= 0x20 &&
                   static_cast<unsigned char>(*q) < 0x80)
                ++q;
            if (q < end && *q == '"') {
                *out = QString::fromLatin1(runStart, q - runStart);
                p = q + 1;
                return true;
            }
        }
        out->clear();
        while (p < end) {
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c == '"') {
                if (!appendUtf8(out, runStart, p - runStart))
                    return false;
                ++p;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c != '\\') {
                ++p;
                continue;
            }
            if (!appendUtf8(out, runStart, p - runStart))
                return false;
            ++p;
            if (p >= end)
                return false;
            const char e = *p++;
            switch (e) {
            case '"':
                out->append(u'"');
                break;
            case '\\':
                out->append(u'\\');
                break;
            case '/':
                out->append(u'/');
                break;
            case 'b':
                out->append(u'\b');
                break;
            case 'f':
                out->append(u'\f');
                break;
            case 'n':
                out->append(u'\n');
                break;
            case 'r':
                out->append(u'\r');
                break;
            case 't':
                out->append(u'\t');
                break;
            case 'u': {
                char16_t unit;
                if (!readHex4(&unit))
                    return false;
                if (QChar::isHighSurrogate(unit)) {
                    char16_t low;
                    if (end - p < 6 || p[0] != '\\' || p[1] != 'u')
                        return false;
                    p += 2;
                    if (!readHex4(&low) || !QChar::isLowSurrogate(low))
                        return false;
                    out->append(QChar(unit));
                    out->append(QChar(low));
                } else if (QChar::isLowSurrogate(unit)) {
                    return false;
                } else {
                    out->append(QChar(unit));
                }
                break;
            }
            default:
                return false;
            }
            runStart = p;
        }
        return false;
    }

    // A JSON number that is a whole value within 64 bits.
    bool parseInteger(qint64* out) {
        const char* start = p;
        if (p < end && *p == '-')
            ++p;
        if (p >= end || *p < '0' || *p > '9')
            return false;
        if (*p == '0')
            ++p;
        else
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
        bool plainInteger = true;
        if (p < end && *p == '.') {
            plainInteger = false;
            ++p;
            if (p >= end || *p < '0' || *p > '9')
                return false;
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
        }
        if (p < end && (*p == 'e' || *p == 'E')) {
            plainInteger = false;
            ++p;
            if (p < end && (*p == '+' || *p == '-'))
                ++p;
            if (p >= end || *p < '0' || *p > '9')
                return false;
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
        }
        const std::string text(start, p - start);
        if (plainInteger) {
            errno = 0;
            char* stop = nullptr;
            const long long value = std::strtoll(text.c_str(), &stop, 10);
            if (errno == ERANGE)
                return false;
            *out = value;
            return true;
        }
        const double value = std::strtod(text.c_str(), nullptr);
        if (!std::isfinite(value) || value != std::floor(value) || value < -9.2e18 ||
            value > 9.2e18)
            return false;
        *out = qint64(value);
        return true;
    }

    bool skipValue(int depth = 0) {
        if (depth > 256)
            return false;
        skipSpace();
        if (p >= end)
            return false;
        switch (*p) {
        case '"': {
            QString ignored;
            return parseString(&ignored);
        }
        case '{': {
            ++p;
            skipSpace();
            if (expect('}'))
                return true;
            for (;;) {
                skipSpace();
                QString ignored;
                if (!parseString(&ignored))
                    return false;
                skipSpace();
                if (!expect(':') || !skipValue(depth + 1))
                    return false;
                skipSpace();
                if (expect(','))
                    continue;
                return expect('}');
            }
        }
        case '[': {
            ++p;
            skipSpace();
            if (expect(']'))
                return true;
            for (;;) {
                if (!skipValue(depth + 1))
                    return false;
                skipSpace();
                if (expect(','))
                    continue;
                return expect(']');
            }
        }
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default: {
            qint64 ignored;
            const char* start = p;
            if (parseInteger(&ignored))
                return true;
            // Any other valid number is fine for a key we do not read.
            p = start;
            if (p < end && *p == '-')
                ++p;
            const char* digits = p;
            while (p < end && ((*p >= '0' && *p <= '9') || *p == '.' || *p == 'e' || *p == 'E' ||
                               *p == '+' || *p == '-'))
                ++p;
            return p > digits;
        }
        }
    }

    bool literal(const char* word) {
        const qsizetype n = qsizetype(std::strlen(word));
        if (end - p < n || std::memcmp(p, word, size_t(n)) != 0)
            return false;
        p += n;
        return true;
    }

    bool parseEntry(LedgerEntry& entry, qsizetype index) {
        const auto where = [index] { return QStringLiteral("entry %1").arg(index + 1); };
        if (!expect('{')) {
            error(where() + QStringLiteral(" isn’t an object"));
            return false;
        }
        unsigned seen = 0;
        skipSpace();
        if (!expect('}')) {
            for (;;) {
                skipSpace();
                QByteArrayView keyBytes;
                if (!parseKey(&keyBytes)) {
                    error(QStringLiteral("the file isn’t valid JSON"));
                    return false;
                }
                skipSpace();
                if (!expect(':')) {
                    error(QStringLiteral("the file isn’t valid JSON"));
                    return false;
                }
                skipSpace();
                const Key key = keyOf(keyBytes);
                if (!readValue(entry, key, index))
                    return false;
                if (key != Key::unknown)
                    seen |= 1u << unsigned(key);
                skipSpace();
                if (expect(','))
                    continue;
                if (expect('}'))
                    break;
                error(QStringLiteral("the file isn’t valid JSON"));
                return false;
            }
        }
        for (unsigned k = 0; k < unsigned(Key::unknown); ++k)
            if (!(seen & (1u << k))) {
                error(where() +
                      QStringLiteral(" has no “%1”").arg(QLatin1StringView(keyName(Key(k)))));
                return false;
            }
        return true;
    }

    bool readValue(LedgerEntry& entry, Key key, qsizetype index) {
        const auto where = [index] { return QStringLiteral("entry %1").arg(index + 1); };
        const auto wrongType = [&] {
            error(where() + QStringLiteral(" has a “%1” of the wrong kind")
                                .arg(QLatin1StringView(keyName(key))));
            return false;
        };
        QString text;
        switch (key) {
        case Key::unknown:
            if (!skipValue()) {
                error(QStringLiteral("the file isn’t valid JSON"));
                return false;
            }
            return true;
        case Key::size:
            if (!parseInteger(&entry.size))
                return wrongType();
            return true;
        default:
            break;
        }
        if (!parseString(&text))
            return wrongType();
        switch (key) {
        case Key::sourceKey:
            entry.sourceKey = std::move(text);
            break;
        case Key::cardName:
            if (text == lastCardName)
                entry.cardName = lastCardName;
            else
                entry.cardName = lastCardName = std::move(text);
            break;
        case Key::sourceRelativePath:
            entry.sourceRelativePath = std::move(text);
            break;
        case Key::destinationPath:
            entry.destinationPath = std::move(text);
            break;
        case Key::sha256:
            entry.sha256 = std::move(text);
            break;
        case Key::offloadedAt:
            entry.offloadedAt = LedgerFile::parseInternetDateTime(text);
            if (!entry.offloadedAt.isValid()) {
                error(where() + QStringLiteral(" has a date in another form"));
                return false;
            }
            break;
        default:
            break;
        }
        return true;
    }
};

// Escapes straight from UTF-16 into the output: the history is rewritten whole on every save.
void appendEscaped(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    const qsizetype oldSize = out.size();
    out.resize(oldSize + text.size() * 6 + 2);
    char* w = out.data() + oldSize;
    *w++ = '"';
    const char16_t* u = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* e = u + text.size();
    while (u < e) {
        const char16_t c = *u++;
        if (c >= 0x80) {
            char32_t cp = c;
            if (QChar::isHighSurrogate(c) && u < e && QChar::isLowSurrogate(*u))
                cp = QChar::surrogateToUcs4(c, *u++);
            else if (QChar::isSurrogate(c))
                cp = 0xFFFD;
            if (cp < 0x800) {
                *w++ = char(0xC0 | (cp >> 6));
                *w++ = char(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                *w++ = char(0xE0 | (cp >> 12));
                *w++ = char(0x80 | ((cp >> 6) & 0x3F));
                *w++ = char(0x80 | (cp & 0x3F));
            } else {
                *w++ = char(0xF0 | (cp >> 18));
                *w++ = char(0x80 | ((cp >> 12) & 0x3F));
                *w++ = char(0x80 | ((cp >> 6) & 0x3F));
                *w++ = char(0x80 | (cp & 0x3F));
            }
            continue;
        }
        switch (c) {
        case u'"':
            *w++ = '\\';
            *w++ = '"';
            break;
        case u'\\':
            *w++ = '\\';
            *w++ = '\\';
            break;
        case u'/':
            *w++ = '\\';
            *w++ = '/';
            break;
        case u'\b':
            *w++ = '\\';
            *w++ = 'b';
            break;
        case u'\f':
            *w++ = '\\';
            *w++ = 'f';
            break;
        case u'\n':
            *w++ = '\\';
            *w++ = 'n';
            break;
        case u'\r':
            *w++ = '\\';
            *w++ = 'r';
            break;
        case u'\t':
            *w++ = '\\';
            *w++ = 't';
            break;
        default:
            if (c < 0x20) {
                *w++ = '\\';
                *w++ = 'u';
                *w++ = '0';
                *w++ = '0';
                *w++ = hex[c >> 4];
                *w++ = hex[c & 15];
            } else {
                *w++ = char(c);
            }
        }
    }
    *w++ = '"';
    out.resize(w - out.data());
}

// "yyyy-MM-ddTHH:mm:ssZ" of whole seconds since 1970.
void appendDate(QByteArray& out, qint64 seconds) {
    qint64 days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const qint64 rest = seconds - days * 86400;
    qint64 y;
    unsigned m, d;
    civilFromDays(days, &y, &m, &d);
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02lld:%02lld:%02lldZ",
                                (long long)y, m, d, (long long)(rest / 3600),
                                (long long)(rest / 60 % 60), (long long)(rest % 60));
    out.append(buffer, n);
}

qint64 wholeSeconds(const QDateTime& date) {
    const qint64 ms = date.isValid() ? date.toMSecsSinceEpoch() : 0;
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

} // namespace

std::variant<QList<LedgerEntry>, QString> LedgerFile::decode(QByteArrayView data) {
    return Parser(data).parse();
}

LedgerFile::ReadResult LedgerFile::readFile(const QString& path) {
    const int fd = ::open(fileNames::encode(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        return {code != ENOENT, systemErrorText(code)};
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        const int code = errno;
        ::close(fd);
        return {true, systemErrorText(code)};
    }
    const size_t size = size_t(info.st_size);
    if (!S_ISREG(info.st_mode) || size == 0) {
        ::close(fd);
        return {true, S_ISREG(info.st_mode) ? QStringLiteral("the file is empty")
                                            : systemErrorText(EISDIR)};
    }
    // Mapped rather than read, and released behind the parse, so a large history never sits in
    // memory twice.
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED)
        return {true, systemErrorText(errno)};
    ::madvise(mapped, size, MADV_SEQUENTIAL);
    const char* base = static_cast<const char*>(mapped);
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    size_t released = 0;
    Parser parser(QByteArrayView(base, qsizetype(size)));
    parser.expectedEntries = qsizetype(size / 320);
    parser.consumed = [&](const char* at) {
        const size_t done = size_t(at - base) / page * page;
        if (done - released >= (size_t(32) << 20)) {
            ::madvise(const_cast<char*>(base) + released, done - released, MADV_DONTNEED);
            released = done;
        }
    };
    ReadResult result{true, parser.parse()};
    ::munmap(mapped, size);
    return result;
}

bool LedgerFile::encode(const QList<LedgerEntry>& entries, const AtomicFile::Sink& sink) {
    QByteArray chunk;
    chunk.reserve(1 << 16);
    chunk.append('[');
    bool first = true;
    for (const LedgerEntry& e : entries) {
        if (!first)
            chunk.append(',');
        first = false;
        chunk.append("{\"cardName\":");
        appendEscaped(chunk, e.cardName);
        chunk.append(",\"destinationPath\":");
        appendEscaped(chunk, e.destinationPath);
        chunk.append(",\"offloadedAt\":\"");
        appendDate(chunk, wholeSeconds(e.offloadedAt));
        chunk.append("\",\"sha256\":");
        appendEscaped(chunk, e.sha256);
        chunk.append(",\"size\":");
        chunk.append(QByteArray::number(e.size));
        chunk.append(",\"sourceKey\":");
        appendEscaped(chunk, e.sourceKey);
        chunk.append(",\"sourceRelativePath\":");
        appendEscaped(chunk, e.sourceRelativePath);
        chunk.append('}');
        if (chunk.size() >= (1 << 16) - 1024) {
            if (!sink(chunk))
                return false;
            chunk.clear();
        }
    }
    chunk.append(']');
    return sink(chunk);
}

QByteArray LedgerFile::encode(const QList<LedgerEntry>& entries) {
    QByteArray out;
    encode(entries, [&](QByteArrayView bytes) {
        out.append(bytes);
        return true;
    });
    return out;
}

QString LedgerFile::internetDateTime(const QDateTime& date) {
    QByteArray out;
    appendDate(out, wholeSeconds(date));
    return QString::fromLatin1(out);
}

QDateTime LedgerFile::parseInternetDateTime(QStringView text) {
    // yyyy-MM-ddTHH:mm:ss followed by Z or ±hh:mm
    const auto digits = [&](qsizetype at, qsizetype count, int* value) {
        int v = 0;
        for (qsizetype i = at; i < at + count; ++i) {
            if (i >= text.size() || text[i] < u'0' || text[i] > u'9')
                return false;
            v = v * 10 + (text[i].unicode() - u'0');
        }
        *value = v;
        return true;
    };
    int year, month, day, hour, minute, second;
    if (text.size() < 20 || !digits(0, 4, &year) || text[4] != u'-' || !digits(5, 2, &month) ||
        text[7] != u'-' || !digits(8, 2, &day) || (text[10] != u'T' && text[10] != u't') ||
        !digits(11, 2, &hour) || text[13] != u':' || !digits(14, 2, &minute) || text[16] != u':' ||
        !digits(17, 2, &second))
        return {};
    if (month < 1 || month > 12 || day < 1 || unsigned(day) > daysInMonth(year, unsigned(month)) ||
        hour > 23 || minute > 59 || second > 59)
        return {};
    int offsetSeconds = 0;
    const QStringView zone = text.mid(19);
    if (zone == u"Z" || zone == u"z") {
        offsetSeconds = 0;
    } else if (zone.size() == 6 && (zone[0] == u'+' || zone[0] == u'-') && zone[3] == u':') {
        int oh, om;
        if (!digits(20, 2, &oh) || !digits(23, 2, &om) || oh > 23 || om > 59)
            return {};
        offsetSeconds = (oh * 3600 + om * 60) * (zone[0] == u'-' ? -1 : 1);
    } else {
        return {};
    }
    const qint64 seconds = daysFromCivil(year, unsigned(month), unsigned(day)) * 86400 +
                           hour * 3600 + minute * 60 + second - offsetSeconds;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

} // namespace stowly
