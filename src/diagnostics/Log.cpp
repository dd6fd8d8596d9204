#include "diagnostics/Log.h"

#include "diagnostics/AppFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <unistd.h>

namespace stowly {
namespace {

struct LogState {
    QMutex mutex;
    QString path;
    QFile file;
};

LogState& state() {
    static LogState s;
    return s;
}

void rotate(LogState& s) {
    s.file.close();
    for (int i = Log::keptFiles - 1; i >= 1; --i) {
        const QString from = s.path + u'.' + QString::number(i);
        const QString to = s.path + u'.' + QString::number(i + 1);
        QFile::remove(to);
        QFile::rename(from, to);
    }
    QFile::remove(s.path + QStringLiteral(".1"));
    QFile::rename(s.path, s.path + QStringLiteral(".1"));
}

bool openFile(LogState& s) {
    if (s.path.isEmpty())
        return false;
    if (s.file.isOpen())
        return true;
    QDir().mkpath(QFileInfo(s.path).absolutePath());
    s.file.setFileName(s.path);
    return s.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

} // namespace

QString Log::categoryName(Category category) {
    return category == Category::importPrompt ? QStringLiteral("ImportPrompt")
                                              : QStringLiteral("App");
}

void Log::info(Category category, const QString& message) {
    const QString time = QDateTime::currentDateTime()
                             .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
                             .toString(Qt::ISODateWithMs);
    const QByteArray line =
        (time + QStringLiteral(" [") + categoryName(category) + QStringLiteral("] ") + message)
            .toUtf8() +
        '\n';
    static const bool toTerminal = ::isatty(STDERR_FILENO);
    if (toTerminal)
        ::write(STDERR_FILENO, line.constData(), size_t(line.size()));

    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    if (!openFile(s))
        return;
    if (s.file.size() + line.size() > rotateBytes) {
        rotate(s);
        if (!openFile(s))
            return;
    }
    s.file.write(line);
    s.file.flush();
}

void Log::useDefaultFile() {
    useFile(AppFolders::state() + QStringLiteral("/Stowly.log"));
}

void Log::useFile(const QString& path) {
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    s.file.close();
    s.path = path;
}

QString Log::filePath() {
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    return s.path;
}

QStringList Log::files() {
    const QString path = filePath();
    QStringList result;
    if (path.isEmpty())
        return result;
    for (int i = keptFiles; i >= 1; --i) {
        const QString rotated = path + u'.' + QString::number(i);
        if (QFileInfo::exists(rotated))
            result.append(rotated);
    }
    if (QFileInfo::exists(path))
        result.append(path);
    return result;
}

} // namespace stowly
