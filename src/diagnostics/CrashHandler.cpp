#include "diagnostics/CrashHandler.h"

#include "diagnostics/CrashReports.h"
#include "diagnostics/SystemInfo.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <csignal>
#include <cstring>
#include <ctime>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace stowly {
namespace {

constexpr int fatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int maxFrames = 64;
constexpr size_t altStackBytes = 256 * 1024;

// Everything the handler reads is prepared at install time in fixed storage.
char reportPrefix[4096];
char descriptionLine[1024];
std::atomic<long> handlingThread{0};

// A tiny writer over a fixed buffer: no allocation, no locale, no stdio.
struct Text {
    char bytes[sizeof reportPrefix + 256];
    size_t size = 0;

    Text& operator<<(const char* text) {
        while (*text && size < sizeof bytes)
            bytes[size++] = *text++;
        return *this;
    }
    Text& operator<<(const Text& other) {
        for (size_t i = 0; i < other.size && size < sizeof bytes; ++i)
            bytes[size++] = other.bytes[i];
        return *this;
    }
    Text& decimal(unsigned long value, int width = 1) {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = char('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (count < width)
            digits[count++] = '0';
        while (count > 0 && size < sizeof bytes)
            bytes[size++] = digits[--count];
        return *this;
    }
    Text& hex(unsigned long value) {
        *this << "0x";
        char digits[24];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % 16];
            value /= 16;
        } while (value > 0);
        while (count > 0 && size < sizeof bytes)
            bytes[size++] = digits[--count];
        return *this;
    }
    void writeTo(int fd) const {
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd, bytes + done, size - done);
            if (n <= 0)
                return;
            done += size_t(n);
        }
    }
};

const char* signalName(int signal) {
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

// Civil date from days since 1970-01-01 (Howard Hinnant's algorithm); localtime is not safe
// in a signal handler, so report names use UTC.
void civilDate(long long days, long& year, unsigned& month, unsigned& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    year = long(yearOfEra) + long(era * 400) + (month <= 2 ? 1 : 0);
}

struct Stamp {
    Text name; // 2024-05-01-101010
    Text iso;  // 2024-05-01T10:10:10Z
};

Stamp stampNow() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long long seconds = now.tv_sec;
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    long year;
    unsigned month, day;
    civilDate(days, year, month, day);
    const unsigned long h = rest / 3600, m = rest / 60 % 60, s = rest % 60;
    Stamp stamp;
    stamp.name.decimal(year, 4) << "-";
    stamp.name.decimal(month, 2) << "-";
    stamp.name.decimal(day, 2) << "-";
    stamp.name.decimal(h, 2).decimal(m, 2).decimal(s, 2);
    stamp.iso.decimal(year, 4) << "-";
    stamp.iso.decimal(month, 2) << "-";
    stamp.iso.decimal(day, 2) << "T";
    stamp.iso.decimal(h, 2) << ":";
    stamp.iso.decimal(m, 2) << ":";
    stamp.iso.decimal(s, 2) << "Z";
    return stamp;
}

int openReport(const Stamp& stamp, Text& path) {
    // Two crashes in one second (the desktop app and the command line) must not share a file.
    for (int attempt = 0; attempt < 100; ++attempt) {
        path.size = 0;
        path << reportPrefix << stamp.name;
        if (attempt > 0) {
            path << "-";
            path.decimal(unsigned(::getpid()));
            if (attempt > 1) {
                path << "-";
                path.decimal(attempt);
            }
        }
        path << ".crash";
        if (path.size >= sizeof path.bytes)
            return -1;
        path.bytes[path.size] = '\0';
        const int fd = ::open(path.bytes, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void writeReport(int signal, const siginfo_t* info) {
    const Stamp stamp = stampNow();
    Text path;
    const int fd = reportPrefix[0] ? openReport(stamp, path) : -1;

    Text head;
    head << "Stowly quit unexpectedly: signal ";
    head.decimal(unsigned(signal)) << " (" << signalName(signal) << ")\n";
    head << "Version: " << descriptionLine << "\n";
    head << "Date: " << stamp.iso << "\nProcess: ";
    head.decimal(unsigned(::getpid())) << ", thread ";
    head.decimal(unsigned(::syscall(SYS_gettid))) << "\n";
    if (info) {
        head << "Signal code: ";
        head.decimal(unsigned(info->si_code));
        if (signal != SIGABRT) {
            head << ", address ";
            head.hex(reinterpret_cast<unsigned long>(info->si_addr));
        }
        head << "\n";
    }
    head << "\nBacktrace:\n";

    if (fd >= 0) {
        head.writeTo(fd);
        void* frames[maxFrames];
        const int count = ::backtrace(frames, maxFrames);
        ::backtrace_symbols_fd(frames, count, fd);
        ::fsync(fd);
        ::close(fd);
    }

    Text note;
    note << "Stowly quit unexpectedly (" << signalName(signal) << ").";
    if (fd >= 0)
        note << " Crash report: " << path.bytes;
    note << "\n";
    note.writeTo(STDERR_FILENO);
}

void handleFatalSignal(int signal, siginfo_t* info, void*) {
    const int savedErrno = errno;
    const long self = long(::syscall(SYS_gettid));
    long expected = 0;
    if (handlingThread.compare_exchange_strong(expected, self)) {
        writeReport(signal, info);
    } else if (expected != self) {
        // Another thread is writing the report and will end the process.
        for (;;)
            ::pause();
    }
    // The report is written (or the handler itself failed): die of the original signal.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    errno = savedErrno;
    ::raise(signal);
}

bool copyInto(char* target, size_t capacity, const QByteArray& bytes) {
    if (size_t(bytes.size()) >= capacity) {
        target[0] = '\0';
        return false;
    }
    std::memcpy(target, bytes.constData(), size_t(bytes.size()));
    target[bytes.size()] = '\0';
    return true;
}

} // namespace

bool CrashHandler::install() {
    return install(CrashReports::folder(), SystemInfo::current().launchDescription());
}

bool CrashHandler::install(const QString& folder, const QString& description) {
    // The first backtrace() loads the unwinder, which allocates; later calls do not.
    void* warmUp[2];
    ::backtrace(warmUp, 2);

    copyInto(descriptionLine, sizeof descriptionLine, description.toUtf8());
    const bool folderReady = QDir().mkpath(folder);
    if (folderReady)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const bool prefixFits =
        copyInto(reportPrefix, sizeof reportPrefix - 64,
                 QFile::encodeName(QDir::cleanPath(folder) + QStringLiteral("/Stowly-")));

    // A stack overflow leaves no stack to run the handler on; give the installing thread a
    // spare one.
    static void* altStack = nullptr;
    if (!altStack) {
        altStack = ::operator new(altStackBytes);
        stack_t spare{};
        spare.ss_sp = altStack;
        spare.ss_size = altStackBytes;
        ::sigaltstack(&spare, nullptr);
    }

    struct sigaction action {};
    action.sa_sigaction = handleFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : fatalSignals)
        ::sigaction(signal, &action, nullptr);
    return folderReady && prefixFits;
}

} // namespace stowly
