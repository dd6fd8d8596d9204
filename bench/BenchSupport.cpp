#include "BenchSupport.h"

#include "base/FileNames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
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

} // namespace stowly::bench
