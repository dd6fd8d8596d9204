#include "copy/CascadeBacklog.h"

#include "base/FileNames.h"
#include "base/Log.h"
#include "copy/AtomicFile.h"
#include "copy/HashFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QJsonObject itemJson(const CascadeItem& item) {
    const HistoryEntry& first = item.first;
    QJsonObject json{
        {QStringLiteral("sourceKey"), first.sourceKey},
        {QStringLiteral("cardName"), first.cardName},
        {QStringLiteral("sourceRelativePath"), first.sourceRelativePath},
        {QStringLiteral("firstCopy"), first.destinationPath},
        {QStringLiteral("size"), first.size},
        {QStringLiteral("sha256"), first.sha256},
        {QStringLiteral("xxh128"), item.xxh128},
        {QStringLiteral("offloadedAt"), first.offloadedAt.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("relativePath"), item.relativePath},
        {QStringLiteral("runStartedAt"), item.runStartedAt.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("roots"), QJsonArray::fromStringList(item.roots)},
        {QStringLiteral("owner"), item.owner}};
    // Only when taken, so lines stay as older versions wrote them otherwise.
    if (!item.hashes.isEmpty()) {
        QJsonObject hashes;
        for (auto [name, value] : item.hashes.asKeyValueRange())
            hashes.insert(name, value);
        json.insert(QStringLiteral("hashes"), hashes);
    }
    return json;
}

// The other formats of a line; a value that is not one of its format is left out, so the
// backups are still made, their records without it, rather than refused for a damaged line.
QMap<QString, QString> hashesFrom(const QJsonObject& object) {
    QMap<QString, QString> hashes;
    const QJsonObject stored = object.value(QStringLiteral("hashes")).toObject();
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
        const std::optional<HashFormat> format = hashFormat::fromName(it.key());
        const QString value = it.value().toString();
        if (format && *format != HashFormat::xxh128 && hashFormat::decode(*format, value))
            hashes.insert(it.key(), value);
        else
            Log::info(Log::Category::app,
                      QStringLiteral("The cascade backlog's %1 value “%2” is no such value; "
                                     "the backups' ASC MHL records go without it")
                          .arg(it.key(), value));
    }
    return hashes;
}

std::optional<CascadeItem> itemFrom(const QJsonObject& object) {
    CascadeItem item;
    HistoryEntry& first = item.first;
    first.sourceKey = object.value(QStringLiteral("sourceKey")).toString();
    first.cardName = object.value(QStringLiteral("cardName")).toString();
    first.sourceRelativePath = object.value(QStringLiteral("sourceRelativePath")).toString();
    first.destinationPath = object.value(QStringLiteral("firstCopy")).toString();
    first.size = object.value(QStringLiteral("size")).toInteger(-1);
    first.sha256 = object.value(QStringLiteral("sha256")).toString();
    first.offloadedAt =
        QDateTime::fromString(object.value(QStringLiteral("offloadedAt")).toString(), Qt::ISODate);
    item.xxh128 = object.value(QStringLiteral("xxh128")).toString();
    if (!item.xxh128.isEmpty())
        item.hashes = hashesFrom(object);
    item.relativePath = object.value(QStringLiteral("relativePath")).toString();
    item.runStartedAt = QDateTime::fromString(
        object.value(QStringLiteral("runStartedAt")).toString(), Qt::ISODateWithMs);
    item.owner = object.value(QStringLiteral("owner")).toString();
    for (const QJsonValue& root : object.value(QStringLiteral("roots")).toArray())
        item.roots << root.toString();
    // A line that names no file, or no digest to hold the copies to, is of no use.
    if (first.sourceKey.isEmpty() || first.destinationPath.isEmpty() || first.size < 0 ||
        first.sha256.size() != 64 || item.relativePath.isEmpty() || item.roots.isEmpty() ||
        item.roots.contains(QString()))
        return std::nullopt;
    return item;
}

// The backlog opened for a change under its lock: the file that is at the path when the lock
// is held (a compaction by another program may have put a new one there meanwhile).
int openLocked(const QString& path, int flags) {
    const QByteArray name = fileNames::encode(path);
    for (;;) {
        const int fd = ::open(name.constData(), flags | O_CLOEXEC, 0644);
        if (fd < 0)
            return -1;
        struct stat opened {
        }, there{};
        if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &opened) != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        if (::stat(name.constData(), &there) == 0 && there.st_ino == opened.st_ino &&
            there.st_dev == opened.st_dev)
            return fd;
        ::close(fd);
    }
}

} // namespace

CascadeBacklog::~CascadeBacklog() {
    if (m_claim >= 0)
        ::close(m_claim);
}

bool CascadeBacklog::claim() {
    if (m_claim >= 0)
        return true;
    if (AtomicFile::makeFolder(QFileInfo(m_path).absolutePath()))
        return false;
    const int fd = ::open(fileNames::encode(m_path + QStringLiteral(".lock")).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_claim = fd;
    return true;
}

CascadeBacklog::Contents CascadeBacklog::load() const {
    Contents contents;
    QFile file(m_path);
    if (!file.exists())
        return contents;
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
        return contents;
    }
    const QByteArray bytes = file.readAll();
    QList<QByteArray> lines = bytes.split('\n');
    // Whatever follows the last line break is a line a kill cut short.
    lines.removeLast();
    for (const QByteArray& line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (const QJsonObject added = object.value(QStringLiteral("add")).toObject();
            !added.isEmpty()) {
            if (const std::optional<CascadeItem> item = itemFrom(added)) {
                contents.items.append(*item);
                continue;
            }
        } else if (const QJsonObject done = object.value(QStringLiteral("done")).toObject();
                   !done.isEmpty()) {
            const QString firstCopy = done.value(QStringLiteral("firstCopy")).toString();
            const QString root = done.value(QStringLiteral("root")).toString();
            const bool proved = done.value(QStringLiteral("proved")).toBool();
            for (CascadeItem& item : contents.items)
                if (item.first.destinationPath == firstCopy && item.roots.removeAll(root) > 0 &&
                    proved) {
                    CascadeItem reached = item;
                    reached.roots = {root};
                    contents.proved.append(reached);
                }
            continue;
        } else if (const QJsonObject written = object.value(QStringLiteral("written")).toObject();
                   !written.isEmpty()) {
            const QString card = written.value(QStringLiteral("card")).toString();
            const QString root = written.value(QStringLiteral("root")).toString();
            const QDateTime run = QDateTime::fromString(
                written.value(QStringLiteral("runStartedAt")).toString(), Qt::ISODateWithMs);
            contents.proved.removeIf([&](const CascadeItem& item) {
                return item.runStartedAt == run && item.cardIdentity() == card &&
                       item.roots[0] == root;
            });
            continue;
        }
        ++contents.damagedLines;
    }
    contents.items.removeIf([](const CascadeItem& item) { return item.roots.isEmpty(); });
    return contents;
}

std::optional<QString> CascadeBacklog::append(const QJsonObject& line) {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (const std::optional<QString> problem = AtomicFile::makeFolder(folder))
        return problem;
    const int fd = openLocked(m_path, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0)
        return errorText(errno);
    // One write for the line and its break: a kill leaves it whole, or torn at the end.
    const QByteArray whole = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    qsizetype written = 0;
    int error = 0;
    while (written < whole.size()) {
        const ssize_t n = ::write(fd, whole.constData() + written, size_t(whole.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        written += n;
    }
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? std::nullopt : std::optional(errorText(error));
}

std::optional<QString> CascadeBacklog::add(const CascadeItem& item) {
    return append({{QStringLiteral("add"), itemJson(item)}});
}

std::optional<QString> CascadeBacklog::done(const CascadeItem& item, const QString& root,
                                            bool proved) {
    return append({{QStringLiteral("done"),
                    QJsonObject{{QStringLiteral("firstCopy"), item.first.destinationPath},
                                {QStringLiteral("root"), root},
                                {QStringLiteral("proved"), proved}}}});
}

std::optional<QString> CascadeBacklog::generationWritten(const CascadeItem& item,
                                                         const QString& root) {
    return append({{QStringLiteral("written"),
                    QJsonObject{{QStringLiteral("runStartedAt"),
                                 item.runStartedAt.toUTC().toString(Qt::ISODateWithMs)},
                                {QStringLiteral("card"), item.cardIdentity()},
                                {QStringLiteral("root"), root}}}});
}

std::optional<QString> CascadeBacklog::compact() {
    // Under the lock, so that no line another program appends meanwhile is lost.
    const int fd = openLocked(m_path, O_RDONLY);
    if (fd < 0)
        return errno == ENOENT ? std::nullopt : std::optional(errorText(errno));
    const auto unlock = qScopeGuard([fd] { ::close(fd); });
    const Contents contents = load();
    if (contents.error)
        return contents.error;
    if (contents.items.isEmpty()) {
        if (QFile::exists(m_path) && !QFile::remove(m_path))
            return QFile(m_path).errorString();
        return std::nullopt;
    }
    QByteArray bytes;
    for (const CascadeItem& item : contents.items)
        bytes += QJsonDocument(QJsonObject{{QStringLiteral("add"), itemJson(item)}})
                     .toJson(QJsonDocument::Compact) +
                 '\n';
    return AtomicFile::write(m_path, bytes);
}

} // namespace stowly
