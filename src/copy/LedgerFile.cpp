#include "copy/LedgerFile.h"

#include "copy/LedgerJsonReader.h"
#include "copy/SystemError.h"
#include "media/Clip.h"
#include "media/FileNames.h"

#include <cerrno>
#include <cstdio>
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

unsigned daysInMonth(qint64 y, unsigned m) {
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

void appendDate(QByteArray& out, qint64 seconds) {
    const qint64 days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
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

// JSON string of UTF-8 text, with "/" written as "\/".
void appendEscaped(QByteArray& out, QByteArrayView text) {
    static const char hex[] = "0123456789abcdef";
    const qsizetype oldSize = out.size();
    out.resize(oldSize + text.size() * 6 + 2);
    char* w = out.data() + oldSize;
    *w++ = '"';
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c != '"' && c != '\\' && c != '/') {
            *w++ = ch;
            continue;
        }
        *w++ = '\\';
        switch (c) {
        case '"':
        case '\\':
        case '/':
            *w++ = ch;
            break;
        case '\b':
            *w++ = 'b';
            break;
        case '\f':
            *w++ = 'f';
            break;
        case '\n':
            *w++ = 'n';
            break;
        case '\r':
            *w++ = 'r';
            break;
        case '\t':
            *w++ = 't';
            break;
        default:
            *w++ = 'u';
            *w++ = '0';
            *w++ = '0';
            *w++ = hex[c >> 4];
            *w++ = hex[c & 15];
        }
    }
    *w++ = '"';
    out.resize(w - out.data());
}

} // namespace

std::variant<LedgerRecords, QString> LedgerFile::decode(QByteArrayView data) {
    return LedgerJsonReader(data).read();
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
    // Mapped rather than read, and released behind the reader, so a large history never sits
    // in memory twice.
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    const int mapError = errno;
    ::close(fd);
    if (mapped == MAP_FAILED)
        return {true, systemErrorText(mapError)};
    ::madvise(mapped, size, MADV_SEQUENTIAL);
    char* base = static_cast<char*>(mapped);
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    size_t released = 0;
    LedgerJsonReader reader(QByteArrayView(base, qsizetype(size)));
    reader.consumed = [&](const char* at) {
        const size_t done = size_t(at - base) / page * page;
        if (done - released >= (size_t(32) << 20)) {
            ::madvise(base + released, done - released, MADV_DONTNEED);
            released = done;
        }
    };
    ReadResult result{true, reader.read()};
    ::munmap(mapped, size);
    return result;
}

bool LedgerFile::encode(const LedgerRecords& entries, const AtomicFile::Sink& sink) {
    QByteArray chunk;
    chunk.reserve(1 << 17);
    chunk.append('[');
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i > 0)
            chunk.append(',');
        chunk.append("{\"cardName\":");
        appendEscaped(chunk, entries.text(i, LedgerRecords::cardName));
        chunk.append(",\"destinationPath\":");
        appendEscaped(chunk, entries.text(i, LedgerRecords::destinationPath));
        chunk.append(",\"offloadedAt\":\"");
        appendDate(chunk, entries.offloadedAt(i));
        chunk.append("\",\"sha256\":");
        appendEscaped(chunk, entries.text(i, LedgerRecords::sha256));
        chunk.append(",\"size\":");
        chunk.append(QByteArray::number(entries.fileSize(i)));
        chunk.append(",\"sourceKey\":");
        appendEscaped(chunk, entries.text(i, LedgerRecords::sourceKey));
        chunk.append(",\"sourceRelativePath\":");
        appendEscaped(chunk, entries.text(i, LedgerRecords::sourceRelativePath));
        chunk.append('}');
        if (chunk.size() >= (1 << 17) - 4096) {
            if (!sink(chunk))
                return false;
            chunk.clear();
        }
    }
    chunk.append(']');
    return sink(chunk);
}

QByteArray LedgerFile::encode(const LedgerRecords& entries) {
    QByteArray out;
    encode(entries, [&](QByteArrayView bytes) {
        out.append(bytes);
        return true;
    });
    return out;
}

QString LedgerFile::internetDateTime(const QDateTime& date) {
    QByteArray out;
    appendDate(out, date.isValid() ? floorSeconds(date) : 0);
    return QString::fromLatin1(out);
}

std::optional<qint64> LedgerFile::parseInternetSeconds(QByteArrayView text) {
    // yyyy-MM-ddTHH:mm:ss followed by Z or ±hh:mm
    const auto digits = [&](qsizetype at, qsizetype count, int* value) {
        int v = 0;
        for (qsizetype i = at; i < at + count; ++i) {
            if (i >= text.size() || text[i] < '0' || text[i] > '9')
                return false;
            v = v * 10 + (text[i] - '0');
        }
        *value = v;
        return true;
    };
    int year, month, day, hour, minute, second;
    if (text.size() < 20 || !digits(0, 4, &year) || text[4] != '-' || !digits(5, 2, &month) ||
        text[7] != '-' || !digits(8, 2, &day) || (text[10] != 'T' && text[10] != 't') ||
        !digits(11, 2, &hour) || text[13] != ':' || !digits(14, 2, &minute) || text[16] != ':' ||
        !digits(17, 2, &second))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || unsigned(day) > daysInMonth(year, unsigned(month)) ||
        hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    int offset = 0;
    const QByteArrayView zone = text.sliced(19);
    if (zone == "Z" || zone == "z") {
        offset = 0;
    } else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
        int oh, om;
        if (!digits(20, 2, &oh) || !digits(23, 2, &om) || oh > 23 || om > 59)
            return std::nullopt;
        offset = (oh * 3600 + om * 60) * (zone[0] == '-' ? -1 : 1);
    } else {
        return std::nullopt;
    }
    return daysFromCivil(year, unsigned(month), unsigned(day)) * 86400 + hour * 3600 + minute * 60 +
           second - offset;
}

QDateTime LedgerFile::parseInternetDateTime(QStringView text) {
    const std::optional<qint64> seconds = parseInternetSeconds(text.toUtf8());
    return seconds ? QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC) : QDateTime();
}

} // namespace stowly
