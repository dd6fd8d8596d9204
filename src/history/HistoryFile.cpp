#include "history/HistoryFile.h"

#include "base/FileNames.h"
#include "copy/SystemError.h"
#include "history/HistoryJsonReader.h"
#include "media/Clip.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

// Whole seconds since 1970 as a UTC calendar date and time of day.
struct CivilTime {
    int year;
    unsigned month, day, hour, minute, second;
};

CivilTime civilTime(qint64 seconds) {
    namespace chr = std::chrono;
    // Beyond what a calendar year can hold the date would be meaningless; stay at the edge.
    constexpr qint64 lowest = -1'096'193'779'200; // -32767-01-01T00:00:00Z
    constexpr qint64 highest = 971'890'963'199;   // 32767-12-31T23:59:59Z
    const chr::sys_seconds at{chr::seconds(std::clamp(seconds, lowest, highest))};
    const chr::sys_days day = chr::floor<chr::days>(at);
    const chr::year_month_day date{day};
    const chr::hh_mm_ss time{at - day};
    return {int(date.year()),
            unsigned(date.month()),
            unsigned(date.day()),
            unsigned(time.hours().count()),
            unsigned(time.minutes().count()),
            unsigned(time.seconds().count())};
}

// Writes "yyyy-MM-ddTHH:mm:ssZ" of whole seconds since 1970 at w; returns the end.
char* writeDate(char* w, qint64 seconds) {
    const CivilTime t = civilTime(seconds);
    if (t.year < 0 || t.year > 9999)
        return w + std::snprintf(w, 40, "%04d-%02u-%02uT%02u:%02u:%02uZ", t.year, t.month, t.day,
                                 t.hour, t.minute, t.second);
    const auto two = [&](unsigned v) {
        *w++ = char('0' + v / 10);
        *w++ = char('0' + v % 10);
    };
    two(unsigned(t.year) / 100);
    two(unsigned(t.year) % 100);
    *w++ = '-';
    two(t.month);
    *w++ = '-';
    two(t.day);
    *w++ = 'T';
    two(t.hour);
    *w++ = ':';
    two(t.minute);
    *w++ = ':';
    two(t.second);
    *w++ = 'Z';
    return w;
}

void appendDate(QByteArray& out, qint64 seconds) {
    char buffer[48];
    out.append(buffer, writeDate(buffer, seconds) - buffer);
}

// Writes a JSON string of UTF-8 text at w, with "/" written as "\/"; w must have room for six
// bytes per input byte and two quotes.
char* writeEscaped(char* w, QByteArrayView text) {
    static const char hex[] = "0123456789abcdef";
    *w++ = '"';
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* run = p;
        while (p < end && static_cast<unsigned char>(*p) >= 0x20 && *p != '"' && *p != '\\' &&
               *p != '/')
            ++p;
        std::memcpy(w, run, size_t(p - run));
        w += p - run;
        if (p == end)
            break;
        const unsigned char c = static_cast<unsigned char>(*p++);
        *w++ = '\\';
        switch (c) {
        case '"':
        case '\\':
        case '/':
            *w++ = char(c);
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
    return w;
}

char* writeLiteral(char* w, const char* text) {
    const size_t n = std::strlen(text);
    std::memcpy(w, text, n);
    return w + n;
}

char* writeInteger(char* w, qint64 value) {
    char digits[24];
    int n = 0;
    quint64 v = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    if (value < 0)
        *w++ = '-';
    while (n)
        *w++ = digits[--n];
    return w;
}

} // namespace

std::variant<HistoryRecords, QString> HistoryFile::decode(QByteArrayView data) {
    return HistoryJsonReader(
               [data](qint64 offset, char* into, qint64 max) -> std::optional<qint64> {
                   const qint64 n = std::min(max, data.size() - offset);
                   std::memcpy(into, data.data() + offset, size_t(n));
                   return n;
               },
               data.size())
        .read();
}

HistoryFile::ReadResult HistoryFile::readFile(const QString& path) {
    const int fd = ::open(fileNames::encode(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        return {code != ENOENT, systemErrorText(code), code != ENOENT};
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        const int code = errno;
        ::close(fd);
        return {true, systemErrorText(code), true};
    }
    if (!S_ISREG(info.st_mode) || info.st_size == 0) {
        ::close(fd);
        return {true, S_ISREG(info.st_mode)
                          ? QCoreApplication::translate("HistoryFile", "the file is empty")
                          : systemErrorText(EISDIR)};
    }
    // Read, never mapped: a failing disk then gives a read error instead of a fault that ends
    // the process.
    HistoryJsonReader reader(
        [fd](qint64 offset, char* into, qint64 max) -> std::optional<qint64> {
            for (;;) {
                const ssize_t n = ::pread(fd, into, size_t(max), off_t(offset));
                if (n >= 0)
                    return qint64(n);
                if (errno != EINTR)
                    return std::nullopt;
            }
        },
        info.st_size);
    ReadResult result{true, reader.read()};
    ::close(fd);
    if (reader.unreadable) {
        result.unreadable = true;
        result.content =
            *reader.unreadable == EAGAIN
                ? QCoreApplication::translate("HistoryFile", "the file changed while it was read")
                : systemErrorText(*reader.unreadable);
    }
    return result;
}

bool HistoryFile::encode(const HistoryRecords& entries, const AtomicFile::Sink& sink) {
    constexpr qsizetype flushAt = 1 << 20;
    QByteArray buffer(flushAt * 2, Qt::Uninitialized);
    char* w = buffer.data();
    *w++ = '[';
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArrayView cardName = entries.text(i, HistoryRecords::cardName);
        const QByteArrayView destination = entries.text(i, HistoryRecords::destinationPath);
        const QByteArrayView sha = entries.text(i, HistoryRecords::sha256);
        const QByteArrayView key = entries.text(i, HistoryRecords::sourceKey);
        const QByteArrayView relative = entries.text(i, HistoryRecords::sourceRelativePath);
        const qsizetype worst =
            (cardName.size() + destination.size() + sha.size() + key.size() + relative.size()) * 6 +
            256;
        if ((w - buffer.data()) + worst > buffer.size()) {
            if (!sink(QByteArrayView(buffer.data(), w - buffer.data())))
                return false;
            if (worst > buffer.size())
                buffer.resize(worst);
            w = buffer.data();
        }
        if (i > 0)
            *w++ = ',';
        w = writeLiteral(w, "{\"cardName\":");
        w = writeEscaped(w, cardName);
        w = writeLiteral(w, ",\"destinationPath\":");
        w = writeEscaped(w, destination);
        w = writeLiteral(w, ",\"offloadedAt\":\"");
        w = writeDate(w, entries.offloadedAt(i));
        w = writeLiteral(w, "\",\"sha256\":");
        w = writeEscaped(w, sha);
        w = writeLiteral(w, ",\"size\":");
        w = writeInteger(w, entries.fileSize(i));
        w = writeLiteral(w, ",\"sourceKey\":");
        w = writeEscaped(w, key);
        w = writeLiteral(w, ",\"sourceRelativePath\":");
        w = writeEscaped(w, relative);
        *w++ = '}';
    }
    *w++ = ']';
    return sink(QByteArrayView(buffer.data(), w - buffer.data()));
}

QByteArray HistoryFile::encode(const HistoryRecords& entries) {
    QByteArray out;
    encode(entries, [&](QByteArrayView bytes) {
        out.append(bytes);
        return true;
    });
    return out;
}

QString HistoryFile::internetDateTime(const QDateTime& date) {
    QByteArray out;
    appendDate(out, date.isValid() ? floorSeconds(date) : 0);
    return QString::fromLatin1(out);
}

std::optional<qint64> HistoryFile::parseInternetSeconds(QByteArrayView text) {
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
    namespace chr = std::chrono;
    const chr::year_month_day date{chr::year(year), chr::month(unsigned(month)),
                                   chr::day(unsigned(day))};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59)
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
    const chr::sys_seconds at = chr::sys_days(date) + chr::hours(hour) + chr::minutes(minute) +
                                chr::seconds(second - offset);
    return at.time_since_epoch().count();
}

QDateTime HistoryFile::parseInternetDateTime(QStringView text) {
    const std::optional<qint64> seconds = parseInternetSeconds(text.toUtf8());
    return seconds ? QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC) : QDateTime();
}

} // namespace stowly
