#include "base/Log.h"

#include "base/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

struct LogState {
    QMutex mutex;
    bool chosen = false;
    QString path;
    qint64 rotateAt = Log::rotateBytes;
    QFile file;
    dev_t device = 0;
    ino_t inode = 0;
};

LogState& state() {
    static LogState s;
    return s;
}

QString rotatedName(const QString& path, int index) {
    return path + u'.' + QString::number(index);
}

void rotate(LogState& s) {
    s.file.close();
    QFile::remove(rotatedName(s.path, Log::keptFiles));
    for (int i = Log::keptFiles - 1; i >= 1; --i)
        QFile::rename(rotatedName(s.path, i), rotatedName(s.path, i + 1));
    QFile::rename(s.path, rotatedName(s.path, 1));
}

bool openFile(LogState& s) {
    if (!s.chosen) {
        s.chosen = true;
        s.path = Log::defaultFilePath();
    }
    if (s.path.isEmpty())
        return false;
    if (s.file.isOpen()) {
        // Another Stowly process (the desktop app and the command line share the file) may
        // have rotated it away; writing on would fill a file nobody reads any more.
        struct stat now;
        const bool same = ::stat(QFile::encodeName(s.path).constData(), &now) == 0 &&
                          now.st_dev == s.device && now.st_ino == s.inode;
        if (same)
            return true;
        s.file.close();
    }
    QDir().mkpath(QFileInfo(s.path).absolutePath());
    s.file.setFileName(s.path);
    if (!s.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    struct stat opened;
    if (::fstat(s.file.handle(), &opened) == 0) {
        s.device = opened.st_dev;
        s.inode = opened.st_ino;
    }
    return true;
}

QString offsetText(int seconds) {
    const QChar sign = seconds < 0 ? u'-' : u'+';
    const int minutes = std::abs(seconds) / 60;
    return sign + QStringLiteral("%1:%2")
                      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString Log::categoryName(Category category) {
    return category == Category::importPrompt ? QStringLiteral("ImportPrompt")
                                              : QStringLiteral("App");
}

QString Log::timestamp(const QDateTime& time) {
    // Qt writes "Z" instead of "+00:00" and may drop the milliseconds; the reader and the
    // people reading the file expect one fixed shape.
    const QDateTime local = time.toLocalTime();
    return local.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz")) +
           offsetText(local.offsetFromUtc());
}

QString Log::line(const QDateTime& time, Category category, const QString& message) {
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return timestamp(time) + QStringLiteral(" [") + categoryName(category) + QStringLiteral("] ") +
           text;
}

namespace {
std::atomic<bool> echoAllowed{true};
} // namespace

void Log::setEchoToTerminal(bool echo) {
    echoAllowed = echo;
}

void Log::info(Category category, const QString& message) {
    static const bool isTerminal = ::isatty(STDERR_FILENO);
    const bool toTerminal = isTerminal && echoAllowed;
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    // The time is taken under the lock so the file's order is the order of the times.
    const QByteArray bytes = line(QDateTime::currentDateTime(), category, message).toUtf8() + '\n';
    if (toTerminal) {
        [[maybe_unused]] const ssize_t written =
            ::write(STDERR_FILENO, bytes.constData(), size_t(bytes.size()));
    }
    if (!openFile(s))
        return;
    if (s.file.size() > 0 && s.file.size() + bytes.size() > s.rotateAt) {
        rotate(s);
        if (!openFile(s))
            return;
    }
    s.file.write(bytes);
    s.file.flush();
}

QString Log::defaultFilePath() {
    return AppFolders::state() + QStringLiteral("/Stowly.log");
}

void Log::useDefaultFile() {
    useFile(defaultFilePath());
}

void Log::useFile(const QString& path, qint64 rotateAt) {
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    s.file.close();
    s.chosen = true;
    s.path = path;
    s.rotateAt = rotateAt;
}

QString Log::filePath() {
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    return s.chosen ? s.path : defaultFilePath();
}

QStringList Log::files() {
    const QString path = filePath();
    QStringList result;
    if (path.isEmpty())
        return result;
    for (int i = keptFiles; i >= 1; --i) {
        const QString rotated = rotatedName(path, i);
        if (QFileInfo::exists(rotated))
            result.append(rotated);
    }
    if (QFileInfo::exists(path))
        result.append(path);
    return result;
}

} // namespace stowly
