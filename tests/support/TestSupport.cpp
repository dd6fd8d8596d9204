#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
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
