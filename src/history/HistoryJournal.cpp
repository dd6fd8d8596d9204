#include "history/HistoryJournal.h"

#include "base/FileNames.h"
#include "base/Log.h"
#include "copy/AtomicFile.h"
#include "copy/FileDescriptor.h"
#include "copy/SystemError.h"
#include "history/FileLock.h"
#include "history/HistoryFile.h"

#include <QDir>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

const QString opKey = QStringLiteral("op");
const QString runKey = QStringLiteral("run");
const QString destinationKey = QStringLiteral("destinationPath");
const QString sourceKeyKey = QStringLiteral("sourceKey");

std::mutex holdsMutex;
// By journal path: the records runs of this process noted that their history has not taken.
QHash<QString, int> untakenRecords;

QByteArray lineOf(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject entryObject(const HistoryEntry& entry) {
    return QJsonObject{
        {QStringLiteral("cardName"), entry.cardName},
        {destinationKey, entry.destinationPath},
        {QStringLiteral("offloadedAt"), HistoryFile::internetDateTime(entry.offloadedAt)},
        {QStringLiteral("sha256"), entry.sha256},
        {QStringLiteral("size"), entry.size},
        {sourceKeyKey, entry.sourceKey},
        {QStringLiteral("sourceRelativePath"), entry.sourceRelativePath},
    };
}

std::optional<HistoryEntry> entryOf(const QJsonObject& o) {
    const QStringList texts{QStringLiteral("cardName"), destinationKey, QStringLiteral("sha256"),
                            sourceKeyKey, QStringLiteral("sourceRelativePath")};
    for (const QString& key : texts)
        if (!o.value(key).isString())
            return std::nullopt;
    const QJsonValue size = o.value(QStringLiteral("size"));
    const QDateTime at =
        HistoryFile::parseInternetDateTime(o.value(QStringLiteral("offloadedAt")).toString());
    if (!size.isDouble() || !at.isValid())
        return std::nullopt;
    return HistoryEntry{o.value(sourceKeyKey).toString(),
                        o.value(QStringLiteral("cardName")).toString(),
                        o.value(QStringLiteral("sourceRelativePath")).toString(),
                        o.value(destinationKey).toString(),
                        size.toInteger(),
                        o.value(QStringLiteral("sha256")).toString(),
                        at};
}

QByteArray headerLine(const std::optional<FileState>& base) {
    QJsonObject header{{opKey, QStringLiteral("begin")}};
    if (base)
        header.insert(
            QStringLiteral("history"),
            QJsonObject{{QStringLiteral("device"), QString::number(base->device)},
                        {QStringLiteral("inode"), QString::number(base->inode)},
                        {QStringLiteral("size"), QString::number(base->size)},
                        {QStringLiteral("modifiedNs"), QString::number(base->modifiedNs)}});
    return lineOf(header);
}

std::optional<FileState> stateIn(const QJsonObject& header) {
    const QJsonObject h = header.value(QStringLiteral("history")).toObject();
    if (h.isEmpty())
        return std::nullopt;
    return FileState{h.value(QStringLiteral("device")).toString().toULongLong(),
                     h.value(QStringLiteral("inode")).toString().toULongLong(),
                     h.value(QStringLiteral("size")).toString().toLongLong(),
                     h.value(QStringLiteral("modifiedNs")).toString().toLongLong()};
}

// Cuts a last line that a kill left without its line break, so the next line starts clean.
// Returns false with errno set when the file could not be read or cut.
bool cutTornTail(int fd, qint64 size) {
    constexpr qint64 window = 1 << 20;
    for (qint64 end = size; end > 0;) {
        const qint64 start = std::max<qint64>(0, end - window);
        QByteArray tail(end - start, Qt::Uninitialized);
        if (::pread(fd, tail.data(), size_t(tail.size()), start) != tail.size())
            return false;
        if (end == size && tail.endsWith('\n'))
            return true;
        const qsizetype newline = tail.lastIndexOf('\n');
        if (newline >= 0)
            return ::ftruncate(fd, start + newline + 1) == 0;
        end = start;
    }
    return ::ftruncate(fd, 0) == 0;
}

} // namespace

HistoryJournal::HistoryJournal(const QString& historyPath)
    : m_path(historyPath + QStringLiteral(".journal")), m_historyPath(historyPath),
      m_lockPath(historyPath + QStringLiteral(".lock")),
      m_runId(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

HistoryJournal::~HistoryJournal() {
    if (m_runLockFd < 0)
        return;
    // Gone before it is unlocked, so nobody finds it unlocked while it still means a run.
    ::unlink(fileNames::encode(runLockPath(m_runId)).constData());
    ::close(m_runLockFd);
}

QByteArray HistoryJournal::recordLine(const HistoryEntry& entry, const QString& run) {
    QJsonObject o = entryObject(entry);
    o.insert(opKey, QStringLiteral("recorded"));
    if (!run.isEmpty())
        o.insert(runKey, run);
    return lineOf(o);
}

std::optional<QString> HistoryJournal::appendLine(const QByteArray& line, bool flush) {
    // The first note of a new history comes before its folder.
    if (const auto error = AtomicFile::makeFolder(m_path.left(m_path.lastIndexOf(u'/'))))
        return error;
    const FileLock lock(m_lockPath);
    if (!lock.held())
        return lock.errorText();
    const int fd = ::open(fileNames::encode(m_path).constData(),
                          O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return systemErrorText(errno);
    struct stat info;
    int error = 0;
    // errno of a failed call, kept as the reason.
    const auto check = [&error](bool done) {
        if (!done && error == 0)
            error = errno;
        return done;
    };
    bool ok = check(::fstat(fd, &info) == 0);
    if (ok && info.st_size > 0)
        ok = check(cutTornTail(fd, info.st_size));
    if (ok && (info.st_size == 0 || ::lseek(fd, 0, SEEK_END) == 0)) {
        const QByteArray header = headerLine(FileState::of(m_historyPath)) + '\n';
        ok = writeAll(fd, header.constData(), header.size(), &error);
    }
    // One write for the line and its break: a kill leaves the line whole or torn at the end.
    const QByteArray whole = line + '\n';
    ok = ok && writeAll(fd, whole.constData(), whole.size(), &error);
    ok = ok && check(!flush || ::fdatasync(fd) == 0);
    if (::close(fd) != 0 && ok)
        return systemErrorText(errno);
    return ok ? std::nullopt : std::optional<QString>(systemErrorText(error));
}

std::optional<QString> HistoryJournal::append(const HistoryEntry& entry) {
    return appendLine(recordLine(entry, {}), true);
}

std::optional<QString> HistoryJournal::settle(const Intent& intent, bool recorded) {
    if (recorded && intent.entry)
        return appendLine(recordLine(*intent.entry, intent.run), true);
    return appendLine(lineOf(QJsonObject{{opKey, QStringLiteral("dropped")},
                                         {runKey, intent.run},
                                         {destinationKey, intent.destinationPath}}),
                      false);
}

QString HistoryJournal::runLockPath(const QString& run) const {
    return m_historyPath + QStringLiteral(".run-") + run;
}

bool HistoryJournal::holdRunLock() {
    const std::lock_guard guard(m_runLockMutex);
    if (m_runLockFd >= 0)
        return true;
    AtomicFile::makeFolder(m_historyPath.left(m_historyPath.lastIndexOf(u'/')));
    for (int attempt = 0; attempt < 3 && m_runLockFd < 0; ++attempt) {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QByteArray lockPath = fileNames::encode(runLockPath(id));
        // Locked under another name first: a run file that exists unlocked, even for a moment,
        // reads as a run that is gone and would be cleaned up under the running copy's feet.
        const QByteArray starting = lockPath + ".starting";
        const int fd = ::open(starting.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::rename(starting.constData(), lockPath.constData()) == 0) {
            m_runId = id;
            m_runLockFd = fd;
            break;
        }
        ::unlink(starting.constData());
        ::close(fd);
    }
    return m_runLockFd >= 0;
}

std::unique_ptr<HistoryJournal::Run> HistoryJournal::startRun() {
    if (!holdRunLock())
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t mark the run as alive beside the ledger: another "
                                 "process that starts now may take its copies for a stopped "
                                 "run’s."));
    const std::lock_guard guard(m_runLockMutex);
    return std::unique_ptr<Run>(new Run(shared_from_this(), m_runId));
}

bool HistoryJournal::isRunning(const QString& run) const {
    const int fd = ::open(fileNames::encode(runLockPath(run)).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT; // a lock that cannot be looked at may be held
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return !free;
}

void HistoryJournal::forgetRun(const QString& run) const {
    if (!isRunning(run))
        ::unlink(fileNames::encode(runLockPath(run)).constData());
}

void HistoryJournal::holdFolds(int change) const {
    const std::lock_guard lock(holdsMutex);
    if ((untakenRecords[m_path] += change) <= 0)
        untakenRecords.remove(m_path);
}

bool HistoryJournal::foldWaits() const {
    const std::lock_guard lock(holdsMutex);
    return untakenRecords.contains(m_path);
}

QStringList HistoryJournal::runsOnDisk() const {
    const qsizetype slash = m_historyPath.lastIndexOf(u'/');
    const QString prefix = m_historyPath.mid(slash + 1) + QStringLiteral(".run-");
    QStringList runs;
    const QStringList names =
        QDir(m_historyPath.left(slash)).entryList({prefix + u'*'}, QDir::Files);
    for (const QString& name : names)
        if (!name.endsWith(QStringLiteral(".starting"))) // still being locked by its run
            runs.append(name.mid(prefix.size()));
    return runs;
}

HistoryJournal::Contents HistoryJournal::read() const {
    Contents contents;
    const int fd = ::open(fileNames::encode(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            contents.error = systemErrorText(errno);
        return contents;
    }
    contents.exists = true;
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            contents.error = systemErrorText(errno);
            ::close(fd);
            return contents;
        }
        if (n == 0)
            break;
        data.append(buffer, n);
    }
    ::close(fd);
    contents.bytes = data.size();

    QList<Intent> open;
    QHash<QString, qsizetype> openAt; // destination → index in `open`
    qsizetype start = 0;
    bool first = true;
    // A last line without its break is one a kill tore; it never counts.
    for (qsizetype end = data.indexOf('\n'); end >= 0; end = data.indexOf('\n', start)) {
        const QByteArray line = data.sliced(start, end - start);
        start = end + 1;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        const QString op = o.value(opKey).toString();
        if (first && op == u"begin") {
            contents.hasHeader = true;
            contents.base = stateIn(o);
            first = false;
            continue;
        }
        first = false;
        const QString destination = o.value(destinationKey).toString();
        if (op == u"copying" || op == u"verifying") {
            Intent intent{op == u"copying" ? Intent::Step::copying : Intent::Step::verifying,
                          o.value(runKey).toString(), destination, std::nullopt, line};
            if (intent.step == Intent::Step::verifying && !(intent.entry = entryOf(o))) {
                ++contents.damagedLines;
                continue;
            }
            if (destination.isEmpty()) {
                ++contents.damagedLines;
                continue;
            }
            if (const auto it = openAt.constFind(destination); it != openAt.cend()) {
                open[*it] = intent;
            } else {
                openAt.insert(destination, open.size());
                open.append(intent);
            }
        } else if (op == u"recorded" || op == u"dropped") {
            std::optional<HistoryEntry> entry;
            if (op == u"recorded" && !(entry = entryOf(o))) {
                ++contents.damagedLines;
                continue;
            }
            if (entry)
                contents.records.append(*entry);
            if (const auto it = openAt.constFind(destination); it != openAt.cend()) {
                open[*it].destinationPath.clear();
                openAt.erase(it);
            }
        } else {
            ++contents.damagedLines;
        }
    }
    for (Intent& intent : open)
        if (!intent.destinationPath.isEmpty())
            contents.openIntents.append(std::move(intent));
    return contents;
}

std::optional<QString> HistoryJournal::restart(const std::optional<FileState>& base,
                                               const QList<QByteArray>& keptLines) const {
    QByteArray data = headerLine(base) + '\n';
    for (const QByteArray& line : keptLines)
        data += line + '\n';
    return AtomicFile::write(m_path, data);
}

HistoryJournal::Run::Run(std::shared_ptr<HistoryJournal> journal, QString id)
    : m_journal(std::move(journal)), m_id(std::move(id)) {}

HistoryJournal::Run::~Run() {
    // Records a run handed over that the history never took (it went away first) are in the
    // journal for the next fold to take.
    if (const int untaken = m_untaken.exchange(0); untaken > 0)
        m_journal->holdFolds(-untaken);
}

std::optional<QString> HistoryJournal::Run::copying(const QString& destination,
                                                    const QString& sourceKey) {
    // Not flushed: only a power loss could lose it, and it would leave a partial file that is
    // then left alone; the flush of the next intent carries it anyway.
    return m_journal->appendLine(lineOf(QJsonObject{{opKey, QStringLiteral("copying")},
                                                    {runKey, m_id},
                                                    {destinationKey, destination},
                                                    {sourceKeyKey, sourceKey}}),
                                 false);
}

std::optional<QString> HistoryJournal::Run::verifying(const HistoryEntry& entry) {
    // Flushed: from here the copy may take its final name, and a copy with a final name but
    // no note would be copied again by the next run.
    QJsonObject o = entryObject(entry);
    o.insert(opKey, QStringLiteral("verifying"));
    o.insert(runKey, m_id);
    return m_journal->appendLine(lineOf(o), true);
}

std::optional<QString> HistoryJournal::Run::dropped(const QString& destination) {
    return m_journal->appendLine(lineOf(QJsonObject{{opKey, QStringLiteral("dropped")},
                                                    {runKey, m_id},
                                                    {destinationKey, destination}}),
                                 false);
}

std::optional<QString> HistoryJournal::Run::recorded(const HistoryEntry& entry) {
    // Held before the line is written: a fold that reads it must find it held. Held even when
    // the append fails, as part of the line may be there all the same.
    ++m_untaken;
    m_journal->holdFolds(1);
    // The flushed intent already holds the copy; the record settles it.
    return m_journal->appendLine(recordLine(entry, m_id), false);
}

void HistoryJournal::Run::taken() {
    int untaken = m_untaken;
    while (untaken > 0 && !m_untaken.compare_exchange_weak(untaken, untaken - 1)) {
    }
    if (untaken > 0)
        m_journal->holdFolds(-1);
}

} // namespace stowly
