#include "BenchSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace stowly::bench {

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
