#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly::test {

TempDir::TempDir() : m_dir(QDir::tempPath() + QStringLiteral("/stowly-test-XXXXXX")) {
    m_path = m_dir.path();
}

QString writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void setModificationTime(const QString& path, const QDateTime& time) {
    const qint64 ms = time.toMSecsSinceEpoch();
    struct timespec times[2];
    times[0].tv_sec = ms / 1000;
    times[0].tv_nsec = (ms % 1000) * 1000000;
    times[1] = times[0];
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
}

QStringList relativePaths(const QList<Clip>& clips) {
    QStringList list;
    for (const Clip& clip : clips)
        list.append(clip.relativePath);
    return list;
}

QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size() + 1);
    files.sort();
    return files;
}

Clip clipAt(const QString& relativePath, QDate day, QTime time) {
    Clip clip;
    clip.relativePath = relativePath;
    clip.url = QByteArray("/media/card/") + relativePath.toUtf8();
    clip.size = 1000;
    clip.creationDate = QDateTime(day, time, Qt::UTC);
    clip.modificationDate = clip.creationDate;
    return clip;
}

HistoryEntry copyRecord(const QString& sourceKey, const QString& destination, qint64 size,
                        const QString& sha256) {
    return {sourceKey,
            "CARD",
            sourceKey.section(u'|', 1, 1),
            destination,
            size,
            sha256,
            QDateTime::fromSecsSinceEpoch(1'780'000'000, Qt::UTC)};
}

qint64 descendantNamed(qint64 parent, const QString& name) {
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid …"; the name may hold spaces, so split after its parenthesis.
        const QString line = QString::fromUtf8(stat.readAll());
        const qsizetype close = line.lastIndexOf(u')');
        const QString comm = line.mid(line.indexOf(u'(') + 1, close - line.indexOf(u'(') - 1);
        const QStringList rest = line.mid(close + 2).split(u' ');
        if (rest.size() > 1 && rest[1].toLongLong() == parent) {
            if (comm == name)
                return entry.toLongLong();
            if (const qint64 deeper = descendantNamed(entry.toLongLong(), name))
                return deeper;
        }
    }
    return 0;
}

bool spinUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!condition())
            QThread::yieldCurrentThread();
    }
    return true;
}

bool canUseLoopDevices(QString* whyNot) {
    if (::geteuid() != 0) {
        *whyNot = QStringLiteral("needs root to attach loop devices and mount");
        return false;
    }
    if (::access("/dev/loop-control", R_OK | W_OK) != 0) {
        *whyNot = QStringLiteral("no /dev/loop-control on this machine");
        return false;
    }
    return true;
}

} // namespace stowly::test

#include <sys/mount.h>

namespace stowly::test {

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : m_path(path) {
    const QByteArray p = QFile::encodeName(path);
    if (::geteuid() != 0) {
        m_active = ::chmod(p.constData(), 0555) == 0;
        return;
    }
    if (::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) != 0)
        return;
    m_mounted = true;
    m_active =
        ::mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

ReadOnlyFolder::~ReadOnlyFolder() {
    const QByteArray p = QFile::encodeName(m_path);
    if (m_mounted)
        ::umount2(p.constData(), MNT_DETACH);
    else if (m_active)
        ::chmod(p.constData(), 0755);
}

} // namespace stowly::test

#include <sys/wait.h>

namespace stowly::test {

std::optional<QByteArray> runUnprivileged(const std::function<QByteArray()>& work) {
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(fds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const QByteArray result = work();
        const char* p = result.constData();
        qsizetype left = result.size();
        while (left > 0) {
            const ssize_t n = ::write(fds[1], p, size_t(left));
            if (n <= 0)
                ::_exit(4);
            p += n;
            left -= n;
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray output;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}

} // namespace stowly::test
