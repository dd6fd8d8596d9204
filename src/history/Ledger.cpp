#include "history/Ledger.h"

#include "base/AppFolders.h"
#include "base/FileNames.h"
#include "copy/AtomicFile.h"
#include "copy/SystemError.h"
#include "history/LedgerFile.h"
#include "media/Clip.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

std::optional<Ledger::FileState> stateOf(const QString& path) {
    struct stat info;
    if (::stat(fileNames::encode(path).constData(), &info) != 0)
        return std::nullopt;
    return Ledger::FileState{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                             qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// An advisory lock on "<ledger>.lock" for as long as the object lives; without a lock file
// (a folder that cannot be written) the work goes on unlocked and its own errors tell.
class FileLock {
public:
    explicit FileLock(const QString& path) {
        m_fd = ::open(fileNames::encode(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FileLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace

bool Ledger::Removal::removes(const LedgerRecords& records, qsizetype i) const {
    if (entry)
        return records.matches(i, *entry);
    return records.text(i, LedgerRecords::sourceKey).startsWith(keyPrefix);
}

Ledger::Ledger(const QString& fileURL, QObject* parent)
    : Ledger(
          fileURL, [] { return QDateTime::currentDateTimeUtc(); }, parent) {}

Ledger::Ledger(const QString& fileURL, std::function<QDateTime()> clock, QObject* parent)
    : QObject(parent), m_fileURL(fileURL), m_clock(std::move(clock)) {
    load();
}

QString Ledger::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/ledger.json");
}

void Ledger::setLastError(std::optional<QString> error) {
    if (m_lastError == error)
        return;
    m_lastError = std::move(error);
    Q_EMIT lastErrorChanged();
}

void Ledger::load() {
    const std::optional<FileState> state = stateOf(m_fileURL);
    LedgerFile::ReadResult read = LedgerFile::readFile(m_fileURL);
    if (!read.exists)
        return;
    if (auto* list = std::get_if<LedgerRecords>(&read.content)) {
        m_entries = std::move(*list);
        m_diskState = state;
        return;
    }
    setAside(std::get<QString>(read.content));
}

bool Ledger::setAside(const QString& readError) {
    // Never overwrite what could not be read: move it aside under a name of its own.
    const QString stamp = LedgerFile::internetDateTime(m_clock()).replace(u':', u'-');
    const QString asideName =
        m_fileURL.mid(m_fileURL.lastIndexOf(u'/') + 1) + QStringLiteral(".corrupt-") + stamp;
    const QString asidePath = m_fileURL.left(m_fileURL.lastIndexOf(u'/') + 1) + asideName;
    if (!AtomicFile::moveNoReplace(m_fileURL, asidePath)) {
        setLastError(tr("Couldn’t read the ledger (%1). The old file was kept as %2.")
                         .arg(readError, asideName));
        return true;
    }
    m_saveBlocked = true;
    setLastError(
        tr("Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it."));
    return false;
}

void Ledger::save() {
    if (m_saveBlocked)
        return;
    const QString folder = m_fileURL.left(m_fileURL.lastIndexOf(u'/'));
    std::optional<QString> error;
    if (!folder.isEmpty())
        error = AtomicFile::makeFolder(folder);
    if (error) {
        setLastError(tr("Couldn’t save the ledger: %1.").arg(*error));
        return;
    }
    const FileLock lock(m_fileURL + QStringLiteral(".lock"));
    const std::optional<FileState> onDisk = stateOf(m_fileURL);
    if (onDisk && onDisk != m_diskState) {
        // Another process wrote the history since this one read or wrote it: start from its
        // file and apply this process's changes again.
        LedgerFile::ReadResult read = LedgerFile::readFile(m_fileURL);
        if (auto* records = std::get_if<LedgerRecords>(&read.content)) {
            LedgerRecords merged = records->without([&](qsizetype i) {
                return std::any_of(m_pendingRemovals.cbegin(), m_pendingRemovals.cend(),
                                   [&](const Removal& r) { return r.removes(*records, i); });
            });
            for (qsizetype i = 0; i < m_pendingAdds.size(); ++i)
                merged.appendFrom(m_pendingAdds, i);
            m_entries = std::move(merged);
            Q_EMIT entriesChanged();
        } else if (read.exists && !setAside(std::get<QString>(read.content))) {
            return;
        }
    }
    error = AtomicFile::write(m_fileURL, [this](const AtomicFile::Sink& sink) {
        return LedgerFile::encode(m_entries, sink);
    });
    if (error) {
        setLastError(tr("Couldn’t save the ledger: %1.").arg(*error));
        return;
    }
    m_diskState = stateOf(m_fileURL);
    m_pendingAdds = LedgerRecords();
    m_pendingRemovals.clear();
    m_lastSaveAt = m_clock();
    m_hasUnsavedChanges = false;
    setLastError(std::nullopt);
}

void Ledger::add(const LedgerEntry& entry, bool deferSave) {
    m_entries.append(entry);
    m_pendingAdds.append(entry);
    Q_EMIT entriesChanged();
    if (deferSave && m_lastSaveAt && m_lastSaveAt->msecsTo(m_clock()) < deferMilliseconds) {
        m_hasUnsavedChanges = true;
        return;
    }
    save();
}

void Ledger::saveIfNeeded() {
    if (m_hasUnsavedChanges)
        save();
}

LedgerIndex Ledger::entriesByKey() const {
    return LedgerIndex(m_entries);
}

qsizetype Ledger::entryCount(const QString& volumeIdentity) const {
    const QByteArray prefix = (volumeIdentity + u'|').toUtf8();
    qsizetype count = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries.text(i, LedgerRecords::sourceKey).startsWith(prefix))
            ++count;
    return count;
}

qsizetype Ledger::removeWhere(const Removal& removal) {
    LedgerRecords kept =
        m_entries.without([&](qsizetype i) { return removal.removes(m_entries, i); });
    const qsizetype removed = m_entries.size() - kept.size();
    if (removed == 0)
        return 0;
    m_entries = std::move(kept);
    m_pendingRemovals.append(removal);
    Q_EMIT entriesChanged();
    save();
    return removed;
}

qsizetype Ledger::forget(const LedgerEntry& entry) {
    return removeWhere(Removal{LedgerRecords::Encoded(entry), {}});
}

qsizetype Ledger::forgetVolume(const QString& volumeIdentity) {
    return removeWhere(Removal{std::nullopt, (volumeIdentity + u'|').toUtf8()});
}

} // namespace stowly
