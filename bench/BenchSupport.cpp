#include "BenchSupport.h"

#include "base/FileNames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace stowly::bench {

namespace {

// Fast incompressible content: the disk, not the generator, should set the pace.
void writeContent(const QString& path, qint64 size, quint64 seed) {
    const int fd =
        ::open(fileNames::encode(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::vector<quint64> block(MiB / 8);
    quint64 state = seed * 0x9E3779B97F4A7C15ull + 1;
    for (qint64 done = 0; done < size;) {
        for (quint64& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        const qint64 n = std::min<qint64>(MiB, size - done);
        if (::write(fd, block.data(), size_t(n)) != n)
            qFatal("cannot write the test set");
        done += n;
    }
    ::fsync(fd);
    ::close(fd);
}

std::mutex undoMutex;
QStringList undoCommands;
QtMessageHandler qtHandler = nullptr;

void undoOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg)
        undoAll();
    qtHandler(type, context, message);
}

// Interrupts go to one thread of their own, which can undo the set-up safely (unlike a
// handler that breaks into whatever a thread was doing) and then ends the process.
void undoOnInterrupt() {
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&interrupts, signal);
    ::pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);
    std::thread([interrupts] {
        int signal = 0;
        ::sigwait(&interrupts, &signal);
        undoAll();
        ::_exit(128 + signal);
    }).detach();
}

} // namespace

QList<SourceFile> makeMixedSet(const QString& folder, qint64 bytes) {
    QList<SourceFile> files;
    qint64 total = 0;
    for (int i = 1; i <= 3; ++i) {
        files.append(
            {QStringLiteral("C%1.MP4").arg(i, 4, 10, QChar(u'0')), bytes * 3 / 16 + i * 4099});
        total += files.last().size;
    }
    QRandomGenerator random(42);
    for (int i = 1; total < bytes; ++i) {
        const qint64 size = std::min<qint64>(5 * MiB + random.bounded(25 * MiB), bytes - total);
        files.append({QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')), size});
        total += size;
    }
    quint64 seed = 1;
    for (const SourceFile& file : files)
        writeContent(folder + u'/' + file.name, file.size, seed++);
    return files;
}

void writePhotos(const QString& folder, int count, qint64 bytes) {
    QDir().mkpath(folder);
    std::vector<quint64> block(size_t(bytes) / 8 + 1);
    quint64 state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < count; ++i) {
        for (quint64& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        QFile file(folder + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(block.data()), bytes) != bytes)
            qFatal("cannot write the card");
    }
}

QList<SourceFile> makeClips(const QString& folder, int count, qint64 size) {
    QList<SourceFile> files;
    for (int i = 1; i <= count; ++i) {
        files.append({QStringLiteral("C%1.MP4").arg(i, 4, 10, QChar(u'0')), size});
        writeContent(folder + u'/' + files.last().name, size, quint64(i));
    }
    return files;
}

double secondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e100;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, secondsOf(work));
    return best;
}

qint64 peakResidentBytes() {
    // The address space's own high-water mark: getrusage's would also count what the process
    // held before an exec, the whole parent of a benchmark's child side.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

QString makeWorkFolder(const QString& name) {
    QString base = qEnvironmentVariable("STOWLY_BENCH_DIR");
    if (base.isEmpty())
        base = QDir::tempPath();
    const QString path =
        base + QStringLiteral("/stowly-bench-") + name + u'-' + QString::number(::getpid());
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

void removeFolder(const QString& path) {
    QDir(path).removeRecursively();
}

int shell(const QString& command) {
    return std::system(command.toLocal8Bit().constData());
}

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool dropCaches() {
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, "3\n", 2) == 2;
    ::close(fd);
    return ok;
}

void report(const QString& name, double value, const QString& unit) {
    QTextStream(stdout) << name << ": " << QString::number(value, 'f', 3) << ' ' << unit << '\n';
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double cpuSeconds() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool writeTo(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray deviceNumbers(const QString& device) {
    struct stat info {};
    if (::stat(fileNames::encode(device).constData(), &info) != 0)
        qFatal("cannot stat %s", qPrintable(device));
    return QByteArray::number(major(info.st_rdev)) + ':' + QByteArray::number(minor(info.st_rdev));
}

void undoLater(const QString& command) {
    const std::lock_guard lock(undoMutex);
    if (!qtHandler) {
        qtHandler = qInstallMessageHandler(undoOnFatal);
        undoOnInterrupt();
    }
    undoCommands << command;
}

void undoAll() {
    QStringList commands;
    {
        const std::lock_guard lock(undoMutex);
        commands.swap(undoCommands);
    }
    while (!commands.isEmpty())
        shell(commands.takeLast() + QStringLiteral(" >/dev/null 2>&1"));
}

QString makeDrive(const QString& image, const QString& size, const QString& mount) {
    output("truncate", {"-s", size, image});
    output("mkfs.ext4", {"-q", "-F", image});
    const QString device = output("losetup", {"--find", "--show", image});
    // Detached once the file system is gone, even when a failure leaves it busy a while.
    undoLater("losetup --detach " + device);
    QDir().mkpath(mount);
    output("mount", {device, mount});
    undoLater("umount --lazy " + mount);
    return device;
}

QString joinBlkioGroup() {
    const QString root = QString::fromLatin1(blkioRoot);
    const QString group = root + QStringLiteral("/stowly-bench-") + QString::number(::getpid());
    if (!QDir().mkpath(group))
        qFatal("cannot make the blkio group %s", qPrintable(group));
    undoLater("rmdir " + group);
    undoLater("sh -c 'echo " + QString::number(::getpid()) + " > " + root + "/cgroup.procs'");
    if (!writeTo(group + "/cgroup.procs", QByteArray::number(::getpid())))
        qFatal("cannot join the blkio group");
    return group;
}

} // namespace stowly::bench
