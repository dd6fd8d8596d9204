// Makes the file calls of stowly-cli fail, for the fault campaign and the command-line tests. It
// is loaded ahead of libfiu's POSIX preload library:
//
//   LD_PRELOAD="<this module> /usr/lib/fiu/fiu_posix_preload.so"
//
// and decides libfiu's posix/* points itself. Only calls on files below the folders named in
// SOAK_FAULT_UNDER may fail, and only once a call has touched SOAK_FAULT_START: with the
// destination there, start-up, the loading of the history and the scan of the card never fail,
// the copying does, and so do the history's writes on the main thread when SOAK_FAULT_MAIN is 1.
// With the card there and SOAK_FAULT_POINTS=scan, the walk over the card fails instead: listing
// a folder (readdir, and so getdents; opendir, fdopendir, openat of a folder) and reading a
// name's attributes (statx).
//
//   SOAK_FAULT_PROGRAM      the program to affect (its children are left alone)
//   SOAK_FAULT_POINTS       "copy" (the default): opening, reading, writing, flushing, closing
//                           and renaming files; "scan": walking folders; or some of the walk's
//                           calls by name, comma separated: readdir,opendir,fdopendir,openat,statx
//   SOAK_FAULT_PROBABILITY  chance that an eligible call fails, 0 to 1
//   SOAK_FAULT_NTH          instead: only the nth eligible call fails (1 for the first)
//   SOAK_FAULT_ERRNOS       errno values a failing call reports, comma separated (reads: EIO)
//   SOAK_FAULT_SEED         seed of the choices
//   SOAK_FAULT_UNDER        colon separated folders
//   SOAK_FAULT_START        the folder whose first use starts the faults
//   SOAK_FAULT_MAIN         1 to let the main thread's calls fail too
//   SOAK_FAULT_COUNT_FILE   holds the number of faults injected, rewritten at every fault so a
//                           killed or crashed process still tells
//   SOAK_FAULT_PAUSE_NTH    the nth eligible call waits before it is made: the module creates
//   SOAK_FAULT_PAUSE_FIFO   the file "<fifo>.paused", then reads the FIFO to its end, so the
//                           caller can change the world (unmount the card) in between

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

using ExternalDecision = int(const char*, int*, void**, unsigned int*);
using EnableExternal = int(const char*, int, void*, unsigned int, ExternalDecision*);
using Init = int(unsigned int);

struct Settings {
    bool active = false;
    bool scanPoints = false;
    // The walk's calls that may fail; empty for all of them.
    std::vector<std::string> calls;
    double probability = 0;
    long nth = 0;
    long pauseNth = 0;
    std::string pauseFifo;
    std::vector<int> errnos;
    std::uint64_t seed = 0;
    std::vector<std::string> folders;
    // Nothing fails before a call on a file below this folder.
    std::string start;
    bool mainThread = false;
    int countFd = -1;
};

// Made on first use: the constructor below may run before this file's other globals are made.
Settings& settings() {
    static Settings made;
    return made;
}
std::atomic<std::uint64_t> draws{0};
std::atomic<long> injected{0};
std::atomic<long> eligibleCalls{0};
std::atomic<bool> workBegan{false};

// What the call being decided works on: a path, or else a descriptor.
thread_local const char* callPath = nullptr;
thread_local int callFd = -1;
// decide() made the call being decided fail.
thread_local bool callFailed = false;

std::uint64_t nextRandom() {
    std::uint64_t z = settings().seed + draws.fetch_add(1) * 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

bool onMainThread() {
    return ::syscall(SYS_gettid) == ::getpid();
}

bool below(const char* path, const std::string& folder) {
    return !folder.empty() && std::strncmp(path, folder.c_str(), folder.size()) == 0 &&
           (path[folder.size()] == '/' || path[folder.size()] == '\0');
}

bool below(const char* path, const std::vector<std::string>& folders) {
    for (const std::string& folder : folders)
        if (below(path, folder))
            return true;
    return false;
}

// Whether the call being decided works on a file below one of the folders. Asks the kernel
// rather than libc, so no wrapped call runs while a call is being decided.
template <typename Folders> bool callIsBelow(const Folders& folders) {
    if (callPath)
        return below(callPath, folders);
    if (callFd < 0)
        return false;
    char link[32];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", callFd);
    char target[4096];
    const long n = ::syscall(SYS_readlinkat, AT_FDCWD, link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return below(target, folders);
}

void recordFault() {
    const long count = injected.fetch_add(1) + 1;
    if (settings().countFd < 0)
        return;
    char text[24];
    std::snprintf(text, sizeof text, "%22ld\n", count);
    ::syscall(SYS_pwrite64, settings().countFd, text, std::strlen(text), 0);
}

// Waits, with the kernel's calls only, until the caller has read the marker and closed its
// end of the FIFO.
void pause() {
    const std::string marker = settings().pauseFifo + ".paused";
    const long made = ::syscall(SYS_openat, AT_FDCWD, marker.c_str(),
                                O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (made >= 0)
        ::syscall(SYS_close, made);
    const long fifo =
        ::syscall(SYS_openat, AT_FDCWD, settings().pauseFifo.c_str(), O_RDONLY | O_CLOEXEC);
    if (fifo < 0)
        return;
    char byte;
    while (::syscall(SYS_read, fifo, &byte, 1) > 0) {
    }
    ::syscall(SYS_close, fifo);
}

int decide(const char* name, int*, void** failinfo, unsigned int*) {
    if (!workBegan.load(std::memory_order_relaxed) && callIsBelow(settings().start))
        workBegan = true;
    if (!workBegan || (onMainThread() && !settings().mainThread) ||
        !callIsBelow(settings().folders))
        return 0;
    if (!settings().calls.empty()) {
        const char* call = std::strrchr(name, '/') + 1;
        if (std::find(settings().calls.begin(), settings().calls.end(), call) ==
            settings().calls.end())
            return 0;
    }
    const long eligible = eligibleCalls.fetch_add(1) + 1;
    if (eligible == settings().pauseNth)
        pause();
    if (settings().nth > 0) {
        if (eligible != settings().nth)
            return 0;
    } else if (double(nextRandom() >> 11) / double(1ULL << 53) >= settings().probability) {
        return 0;
    }
    const bool reading = std::strstr(name, "/rw/read") != nullptr;
    *failinfo = reinterpret_cast<void*>(
        std::intptr_t(reading ? EIO : settings().errnos[nextRandom() % settings().errnos.size()]));
    recordFault();
    callFailed = true;
    return 1;
}

const char* const copyPoints[] = {
    "posix/io/oc/open",        "posix/io/oc/close",       "posix/io/rw/read",
    "posix/io/rw/read/reduce", "posix/io/rw/write",       "posix/io/rw/write/reduce",
    "posix/io/sync/fsync",     "posix/io/sync/fdatasync", "posix/io/dir/rename",
};
// libfiu's own; statx and openat, which it does not wrap, are decided here (below).
const char* const scanPoints[] = {
    "posix/io/dir/readdir",
    "posix/io/dir/opendir",
    "posix/io/dir/fdopendir",
};

__attribute__((constructor)) void start() {
    const char* program = std::getenv("SOAK_FAULT_PROGRAM");
    if (!program || std::strcmp(program, program_invocation_short_name) != 0)
        return;
    auto* init = reinterpret_cast<Init*>(::dlsym(RTLD_DEFAULT, "fiu_init"));
    auto* enable = reinterpret_cast<EnableExternal*>(::dlsym(RTLD_DEFAULT, "fiu_enable_external"));
    if (!init || !enable) {
        std::fprintf(stderr, "fault module: libfiu is not loaded\n");
        return;
    }
    const auto text = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::string points = text("SOAK_FAULT_POINTS");
    settings().scanPoints = !points.empty() && points != "copy";
    settings().probability = std::atof(text("SOAK_FAULT_PROBABILITY").c_str());
    settings().nth = std::atol(text("SOAK_FAULT_NTH").c_str());
    settings().pauseNth = std::atol(text("SOAK_FAULT_PAUSE_NTH").c_str());
    settings().pauseFifo = text("SOAK_FAULT_PAUSE_FIFO");
    if (settings().pauseFifo.empty())
        settings().pauseNth = 0;
    settings().seed = std::strtoull(text("SOAK_FAULT_SEED").c_str(), nullptr, 10);
    settings().mainThread = text("SOAK_FAULT_MAIN") == "1";
    const auto split = [](const std::string& list, char separator) {
        std::vector<std::string> parts;
        std::size_t from = 0;
        while (from <= list.size()) {
            const std::size_t to = std::min(list.find(separator, from), list.size());
            if (to > from)
                parts.push_back(list.substr(from, to - from));
            from = to + 1;
        }
        return parts;
    };
    if (settings().scanPoints && points != "scan")
        settings().calls = split(points, ',');
    for (const std::string& code : split(text("SOAK_FAULT_ERRNOS"), ','))
        settings().errnos.push_back(std::atoi(code.c_str()));
    if (settings().errnos.empty())
        settings().errnos.push_back(EIO);
    settings().folders = split(text("SOAK_FAULT_UNDER"), ':');
    settings().start = text("SOAK_FAULT_START");
    const std::string countFile = text("SOAK_FAULT_COUNT_FILE");
    if (!countFile.empty())
        settings().countFd = int(::syscall(SYS_openat, AT_FDCWD, countFile.c_str(),
                                           O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    init(0);
    const auto enableAll = [&](const auto& list) {
        for (const char* point : list)
            if (enable(point, 1, nullptr, 0, decide) != 0)
                std::fprintf(stderr, "fault module: cannot enable %s\n", point);
    };
    if (settings().scanPoints)
        enableAll(scanPoints);
    else
        enableAll(copyPoints);
    settings().active = true;
}

// For the calls libfiu does not wrap: whether this one fails, and with which errno.
bool failsHere(const char* name, const char* path, int fd) {
    if (!settings().active || !settings().scanPoints)
        return false;
    callPath = path && path[0] == '/' ? path : nullptr;
    callFd = callPath ? -1 : fd;
    void* failinfo = nullptr;
    const bool fails = decide(name, nullptr, &failinfo, nullptr) != 0;
    callPath = nullptr;
    callFd = -1;
    callFailed = false;
    if (fails)
        errno = int(reinterpret_cast<std::intptr_t>(failinfo));
    return fails;
}

template <typename Function> Function* next(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

// Notes what the call works on, for decide(), and hands it to libfiu's wrapper.
struct Target {
    Target(const char* path, int fd) {
        callPath = path;
        callFd = fd;
        callFailed = false;
    }
    ~Target() {
        callPath = nullptr;
        callFd = -1;
        callFailed = false;
    }
};

} // namespace

extern "C" {

// open and open64 take a mode only when they create.
#define STOWLY_OPEN(name)                                                                          \
    int name(const char* path, int flags, ...) {                                                   \
        static auto* real = next<int(const char*, int, ...)>(#name);                               \
        mode_t mode = 0;                                                                           \
        if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {                               \
            va_list arguments;                                                                     \
            va_start(arguments, flags);                                                            \
            mode = mode_t(va_arg(arguments, int));                                                 \
            va_end(arguments);                                                                     \
        }                                                                                          \
        const Target target(path, -1);                                                             \
        return real(path, flags, mode);                                                            \
    }
STOWLY_OPEN(open)
STOWLY_OPEN(open64)

// Calls on a descriptor.
#define STOWLY_ON_FD(type, name, parameters, ...)                                                  \
    type name parameters {                                                                         \
        static auto* real = next<type parameters>(#name);                                          \
        const Target target(nullptr, fd);                                                          \
        return real(__VA_ARGS__);                                                                  \
    }
STOWLY_ON_FD(ssize_t, read, (int fd, void* buffer, size_t count), fd, buffer, count)
STOWLY_ON_FD(ssize_t, write, (int fd, const void* buffer, size_t count), fd, buffer, count)
STOWLY_ON_FD(int, fsync, (int fd), fd)
STOWLY_ON_FD(int, fdatasync, (int fd), fd)

int close(int fd) {
    static auto* real = next<int(int)>("close");
    const Target target(nullptr, fd);
    const int result = real(fd);
    // libfiu leaves the descriptor open, but Linux releases it whatever close reports; a
    // descriptor kept open would hold locks no real failure holds.
    if (result != 0 && callFailed) {
        const int error = errno;
        ::syscall(SYS_close, fd);
        errno = error;
    }
    return result;
}

DIR* opendir(const char* path) {
    static auto* real = next<DIR*(const char*)>("opendir");
    const Target target(path, -1);
    return real(path);
}

DIR* fdopendir(int fd) {
    static auto* real = next<DIR*(int)>("fdopendir");
    const Target target(nullptr, fd);
    return real(fd);
}

dirent* readdir(DIR* folder) {
    static auto* real = next<dirent*(DIR*)>("readdir");
    const Target target(nullptr, ::dirfd(folder));
    return real(folder);
}

// A folder opened by name inside another, as a walk goes down; the name is what it works on,
// so its folder decides.
int openat(int folder, const char* path, int flags, ...) {
    static auto* real = next<int(int, const char*, int, ...)>("openat");
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = mode_t(va_arg(arguments, int));
        va_end(arguments);
    }
    if ((flags & O_DIRECTORY) && failsHere("stowly/dir/openat", path, folder))
        return -1;
    return real(folder, path, flags, mode);
}

// Attributes read by name, as a walk reads each entry; those of an open file (an empty name)
// are left alone.
int statx(int folder, const char* path, int flags, unsigned int mask, struct statx* info) {
    static auto* real = next<int(int, const char*, int, unsigned int, struct statx*)>("statx");
    if (path[0] != '\0' && failsHere("stowly/stat/statx", path, folder))
        return -1;
    return real(folder, path, flags, mask, info);
}

int rename(const char* from, const char* to) {
    static auto* real = next<int(const char*, const char*)>("rename");
    const Target target(from, -1);
    return real(from, to);
}
}
