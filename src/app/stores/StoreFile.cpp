#include "app/stores/StoreFile.h"

#include "base/FileNames.h"
#include "base/Log.h"
#include "copy/AtomicFile.h"
#include "copy/SystemError.h"
#include "history/HistoryFile.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

struct FileBytes {
    bool exists = false;
    QByteArray data;
    std::optional<QString> error;
};

FileBytes readWhole(const QString& path) {
    FileBytes result;
    const QByteArray name = fileNames::encode(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        // Nothing to protect where no file can be: missing, or below something not a folder.
        result.exists = code != ENOENT && code != ENOTDIR;
        if (result.exists)
            result.error = systemErrorText(code);
        return result;
    }
    result.exists = true;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = systemErrorText(errno);
            break;
        }
        if (n == 0)
            break;
        result.data.append(buffer, n);
    }
    ::close(fd);
    return result;
}

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

StoreFile::StoreFile(std::optional<QString> path, QString readFailure, QString saveFailure,
                     std::function<QDateTime()> clock)
    : m_path(std::move(path)), m_readFailure(std::move(readFailure)),
      m_saveFailure(std::move(saveFailure)), m_clock(std::move(clock)) {
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTimeUtc(); };
}

StoreFile::LoadResult StoreFile::load(const Decoder& decode) {
    if (!m_path)
        return LoadResult::noFile;
    const FileBytes file = readWhole(*m_path);
    if (!file.exists)
        return LoadResult::noFile;
    if (file.error) {
        setAside(*file.error);
        return LoadResult::unreadable;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.data, &parseError);
    std::optional<QString> problem;
    if (parseError.error != QJsonParseError::NoError)
        problem = tr("the file isn’t valid JSON (%1 at byte %2)")
                      .arg(parseError.errorString(), QString::number(parseError.offset));
    else if (!document.isObject())
        problem = tr("the file doesn’t hold a JSON object");
    else
        problem = decode(document.object());
    if (problem) {
        setAside(*problem);
        return LoadResult::unreadable;
    }
    return LoadResult::loaded;
}

void StoreFile::setAside(const QString& problem) {
    // Saving later would replace the only copy of what the user had: move it out of the way
    // first, under a name of its own.
    const QString& path = *m_path;
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const QString base = setAsideName(name, m_clock());
    std::optional<QString> moveError;
    for (int attempt = 1; attempt <= 20; ++attempt) {
        const QString asideName = attempt == 1 ? base : base + u'-' + QString::number(attempt);
        moveError = AtomicFile::moveNoReplace(path, folderOf(path) + u'/' + asideName);
        if (!moveError) {
            m_lastError =
                m_readFailure.arg(tr("%1. The old file was kept as %2.").arg(problem, asideName));
            Log::info(Log::Category::app, *m_lastError);
            return;
        }
        if (!::access(fileNames::encode(folderOf(path) + u'/' + asideName).constData(), F_OK))
            continue;
        break;
    }
    m_saveBlocked = true;
    m_lastError =
        m_readFailure.arg(tr("%1. It couldn’t be set aside (%2), so Stowly won’t save over it.")
                              .arg(problem, *moveError));
    Log::info(Log::Category::app, *m_lastError);
}

void StoreFile::save(const QJsonObject& content) {
    if (!m_path || m_saveBlocked)
        return;
    std::optional<QString> error = AtomicFile::makeFolder(folderOf(*m_path));
    if (!error)
        error = AtomicFile::write(*m_path, encode(content));
    if (error) {
        const QString message = m_saveFailure.arg(*error);
        if (message != m_lastError)
            Log::info(Log::Category::app, message + QStringLiteral(" (") + *m_path + u')');
        m_lastError = message;
    } else {
        m_lastError.reset();
    }
}

QString StoreFile::setAsideName(const QString& fileName, const QDateTime& when) {
    return fileName + QStringLiteral(".corrupt-") +
           HistoryFile::internetDateTime(when).replace(u':', u'-');
}

QByteArray StoreFile::encode(const QJsonObject& content) {
    return QJsonDocument(content).toJson(QJsonDocument::Indented);
}

} // namespace stowly
