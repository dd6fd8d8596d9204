#include "history/History.h"

#include "base/AppFolders.h"
#include "base/Background.h"
#include "base/FileNames.h"
#include "base/Log.h"
#include "copy/AtomicFile.h"
#include "copy/Copier.h"
#include "copy/SystemError.h"
#include "history/FileLock.h"
#include "history/HistoryFile.h"
#include "media/Clip.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly {
namespace {

// Where an entry's id (source key and destination) is among many records, by hash and then by
// its texts, without a string per record.
class RecordIds {
public:
    explicit RecordIds(const HistoryRecords& records) : m_records(records) {
        m_index.reserve(records.size());
        for (qsizetype i = 0; i < records.size(); ++i)
            m_index.insert(hashOf(records.text(i, HistoryRecords::sourceKey),
                                  records.text(i, HistoryRecords::destinationPath)),
                           i);
    }
    bool contains(const HistoryEntry& entry) const {
        const QByteArray key = entry.sourceKey.toUtf8();
        const QByteArray destination = entry.destinationPath.toUtf8();
        for (auto it = m_index.constFind(hashOf(key, destination));
             it != m_index.cend() && it.key() == hashOf(key, destination); ++it)
            if (m_records.text(*it, HistoryRecords::sourceKey) == key &&
                m_records.text(*it, HistoryRecords::destinationPath) == destination)
                return true;
        return false;
    }

private:
    static size_t hashOf(QByteArrayView key, QByteArrayView destination) {
        return qHashMulti(0, key, destination);
    }
    const HistoryRecords& m_records;
    QMultiHash<size_t, qsizetype> m_index;
};

qint64 sizeOf(const QString& path) {
    const std::optional<FileState> state = FileState::of(path);
    return state ? state->size : 0;
}

} // namespace

bool History::Removal::removes(const HistoryRecords& records, qsizetype i) const {
    if (entry)
        return records.matches(i, *entry);
    return records.text(i, HistoryRecords::sourceKey).startsWith(keyPrefix);
}

History::History(const QString& filePath, QObject* parent)
    : History(
          filePath, [] { return QDateTime::currentDateTimeUtc(); }, parent) {}

History::History(const QString& filePath, std::function<QDateTime()> clock, QObject* parent)
    : QObject(parent), m_fileURL(filePath), m_clock(std::move(clock)) {
    load();
}

History::History(const QString& filePath, LoadLater, QObject* parent)
    : QObject(parent), m_fileURL(filePath), m_loaded(false),
      m_clock([] { return QDateTime::currentDateTimeUtc(); }),
      m_journal(std::make_shared<HistoryJournal>(filePath)) {
    // Runs may start before the history is read.
    m_journal->holdRunLock();
}

void History::loadInBackground() {
    if (m_loaded || m_loading)
        return;
    m_loading = true;
    background::run(
        this,
        [file = m_fileURL, clock = m_clock, home = thread()] {
            auto ledger = std::make_shared<History>(file, clock);
            ledger->moveToThread(home);
            return ledger;
        },
        [this](const std::shared_ptr<History>& ledger) { adopt(*ledger); });
}

void History::adopt(History& other) {
    m_entries = std::move(other.m_entries);
    m_lastSaveAt = other.m_lastSaveAt;
    m_hasUnsavedChanges = other.m_hasUnsavedChanges;
    m_saveBlocked = other.m_saveBlocked;
    m_diskState = other.m_diskState;
    m_journal = other.m_journal;
    m_journalIDs = std::move(other.m_journalIDs);
    m_unjournaled = std::move(other.m_unjournaled);
    m_pendingRemovals = std::move(other.m_pendingRemovals);
    m_loaded = true;
    m_loading = false;
    setLastError(other.m_lastError);
    Q_EMIT entriesChanged();
    Q_EMIT loaded();
}

bool History::refusesChanges(const char* what) const {
    if (m_loaded)
        return false;
    Log::info(
        Log::Category::app,
        QStringLiteral("Refused to %1 before the history was read.").arg(QLatin1StringView(what)));
    return true;
}

bool History::journalsBeforeLoad(const HistoryEntry& entry, bool journaled) {
    // The journal needs no reading of the file: the record is there for the load, or for the
    // fold after it, to take.
    const std::optional<QString> failed = journaled ? std::nullopt : m_journal->append(entry);
    if (failed)
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t note %1 in the ledger’s journal before the history "
                                 "was read: %2")
                      .arg(entry.destinationPath, *failed));
    return !failed;
}

QString History::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/ledger.json");
}

void History::setLastError(std::optional<QString> error) {
    if (m_lastError == error)
        return;
    m_lastError = std::move(error);
    Q_EMIT lastErrorChanged();
}

void History::load() {
    m_journal = std::make_shared<HistoryJournal>(m_fileURL);
    m_journal->holdRunLock();
    HistoryJournal::Contents journal;
    bool locked = false;
    {
        // The file and the journal as one state: no fold of another process in between.
        const FileLock lock(m_journal->lockPath());
        locked = lock.held();
        const std::optional<FileState> state = FileState::of(m_fileURL);
        HistoryFile::ReadResult read = HistoryFile::readFile(m_fileURL);
        if (auto* list = std::get_if<HistoryRecords>(&read.content); read.exists && list) {
            m_entries = std::move(*list);
            m_diskState = state;
        } else if (read.unreadable) {
            m_saveBlocked = true;
            setLastError(tr("Couldn’t read the ledger (%1). Stowly won’t overwrite it.")
                             .arg(std::get<QString>(read.content)));
        } else if (read.exists) {
            setAside(std::get<QString>(read.content));
        }
        journal = m_journal->read();
        if (journal.error) {
            // A fold would replace what could not be read.
            m_saveBlocked = true;
            setLastError(tr("Couldn’t read the ledger’s journal (%1). Stowly won’t overwrite it.")
                             .arg(*journal.error));
            return;
        }
        if (journal.damagedLines > 0 && !setJournalAside())
            return;
        // After a fold whose cut never happened, its records are in the file already.
        const bool mayRepeat =
            !journal.hasHeader || journal.base != FileState::of(m_fileURL) || !m_diskState;
        takeRecords(journal, mayRepeat);
        if (journal.damagedLines > 0)
            for (const HistoryEntry& entry : journal.records)
                if (m_journalIDs.remove(entry.id()))
                    m_unjournaled.append(entry);
    }
    // Read without the lock, the file and the journal may be from either side of another
    // process's fold: a copy recorded there could look unrecorded. It waits for the next start.
    if (locked)
        settleOpenIntents(journal.openIntents);
    else
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t lock the ledger to settle what stopped runs left"));
    if (!m_unjournaled.isEmpty()) {
        // The message about what was set aside outlives the save that follows it.
        const std::optional<QString> message = m_lastError;
        save();
        if (message && !m_lastError)
            setLastError(message);
    }
}

qsizetype History::takeRecords(const HistoryJournal::Contents& journal, bool mayRepeatFile) {
    if (journal.records.isEmpty())
        return 0;
    qsizetype taken = 0;
    std::optional<RecordIds> base;
    if (mayRepeatFile && !m_entries.isEmpty())
        base.emplace(m_entries);
    // An entry whose note seemed to fail (a failed flush or close) may be there all the same.
    QSet<QString> inMemory;
    for (const HistoryEntry& entry : m_unjournaled)
        inMemory.insert(entry.id());
    HistoryRecords records;
    for (const HistoryEntry& entry : journal.records)
        records.append(entry);
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (std::any_of(m_pendingRemovals.cbegin(), m_pendingRemovals.cend(),
                        [&](const Removal& r) { return r.removes(records, i); }))
            continue;
        const HistoryEntry entry = records.at(i);
        if (m_journalIDs.contains(entry.id()) || inMemory.contains(entry.id()) ||
            (base && base->contains(entry)))
            continue;
        m_entries.append(entry);
        m_journalIDs.insert(entry.id());
        m_hasUnsavedChanges = true;
        ++taken;
    }
    return taken;
}

void History::settleOpenIntents(const QList<HistoryJournal::Intent>& intents) {
    QSet<QString> waiting; // runs with intents that stay open
    bool recovered = false;
    // A run whose record could not be noted saved it with the whole file instead.
    std::optional<RecordIds> known;
    for (const HistoryJournal::Intent& intent : intents) {
        if (m_journal->isRunning(intent.run)) {
            waiting.insert(intent.run);
            continue;
        }
        const QString& path = intent.destinationPath;
        const QString folder = path.left(path.lastIndexOf(u'/'));
        struct stat info;
        // A drive that is not there now keeps its intents for when it is back.
        if (::stat(fileNames::encode(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            waiting.insert(intent.run);
            continue;
        }
        const QByteArray encoded = fileNames::encode(path);
        if (intent.entry && ::lstat(encoded.constData(), &info) == 0) {
            // The copy got its final name; it counts only if it still reads back as verified.
            const CopyResult digest = S_ISREG(info.st_mode) && info.st_size == intent.entry->size
                                          ? Copier::sha256(encoded, Copier::chunkSize, true)
                                          : CopyResult(QString());
            const bool same = digest.ok() && digest.digest() == intent.entry->sha256;
            if (same && !known)
                known.emplace(m_entries);
            if (same && known->contains(*intent.entry)) {
                m_journal->settle(intent, false);
                continue;
            }
            Log::info(Log::Category::app,
                      same ? QStringLiteral("Recorded %1, verified by a run that was stopped "
                                            "before it could record it.")
                                 .arg(path)
                           : QStringLiteral("Left %1 alone: a run that was stopped meant to "
                                            "record it, but it isn’t the copy that run verified.")
                                 .arg(path));
            const bool journaled = !m_journal->settle(intent, same);
            if (same) {
                append(*intent.entry, journaled);
                recovered = true;
            }
            continue;
        }
        const QByteArray partial = fileNames::encode(Copier::partialPath(path));
        if (::lstat(partial.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::unlink(partial.constData()) == 0)
            Log::info(Log::Category::app,
                      QStringLiteral("Removed %1, left by a run that was stopped.")
                          .arg(Copier::partialPath(path)));
        m_journal->settle(intent, false);
    }
    // A run killed between two files left its lock file and nothing else.
    for (const QString& run : m_journal->runsOnDisk())
        if (!waiting.contains(run))
            m_journal->forgetRun(run);
    if (recovered)
        Q_EMIT entriesChanged();
}

void History::append(const HistoryEntry& entry, bool journaled) {
    m_entries.append(entry);
    if (journaled)
        m_journalIDs.insert(entry.id());
    else
        m_unjournaled.append(entry);
    m_hasUnsavedChanges = true;
}

std::optional<QString> History::moveAside(const QString& path) const {
    // Never overwrite what could not be read: move it aside under a name of its own.
    const QString stamp = HistoryFile::internetDateTime(m_clock()).replace(u':', u'-');
    const QString name = path.mid(path.lastIndexOf(u'/') + 1) + QStringLiteral(".corrupt-") + stamp;
    if (AtomicFile::moveNoReplace(path, path.left(path.lastIndexOf(u'/') + 1) + name))
        return std::nullopt;
    return name;
}

bool History::setJournalAside() {
    if (const std::optional<QString> asideName = moveAside(m_journal->path())) {
        setLastError(tr("Couldn’t read part of the ledger’s journal. The old file was kept as %1; "
                        "everything readable in it is in the history.")
                         .arg(*asideName));
        return true;
    }
    m_saveBlocked = true;
    setLastError(tr("Couldn’t read the ledger’s journal, and couldn’t set it aside. Stowly won’t "
                    "overwrite it."));
    return false;
}

bool History::setAside(const QString& readError) {
    if (const std::optional<QString> asideName = moveAside(m_fileURL)) {
        setLastError(tr("Couldn’t read the ledger (%1). The old file was kept as %2.")
                         .arg(readError, *asideName));
        return true;
    }
    m_saveBlocked = true;
    setLastError(
        tr("Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it."));
    return false;
}

bool History::save() {
    if (m_saveBlocked)
        return false;
    if (m_journal->foldWaits()) {
        // Done as soon as the record on its way is taken.
        m_foldWaiting = true;
        return false;
    }
    m_foldWaiting = false;
    const QString folder = m_fileURL.left(m_fileURL.lastIndexOf(u'/'));
    std::optional<QString> error;
    if (!folder.isEmpty())
        error = AtomicFile::makeFolder(folder);
    if (error) {
        setLastError(tr("Couldn’t save the ledger: %1.").arg(*error));
        return false;
    }
    const FileLock lock(m_journal->lockPath());
    if (!lock.held()) {
        setLastError(tr("Couldn’t save the ledger: %1.").arg(lock.errorText()));
        return false;
    }
    // Read before anything changes: a run may note a record between the check above and this
    // read, and the fold would then take it, and the history again from the run.
    const HistoryJournal::Contents journal = m_journal->read();
    if (m_journal->foldWaits()) {
        m_foldWaiting = true;
        return false;
    }
    const std::optional<FileState> onDisk = FileState::of(m_fileURL);
    bool reread = false;
    if (onDisk && onDisk != m_diskState) {
        // Another process wrote the history since this one read or wrote it: start from its
        // file and apply this process's changes again. Its journal now holds only what came
        // after, or ours that were not folded yet.
        HistoryFile::ReadResult read = HistoryFile::readFile(m_fileURL);
        if (auto* records = std::get_if<HistoryRecords>(&read.content)) {
            m_entries = records->without([&](qsizetype i) {
                return std::any_of(m_pendingRemovals.cbegin(), m_pendingRemovals.cend(),
                                   [&](const Removal& r) { return r.removes(*records, i); });
            });
            m_journalIDs.clear();
            reread = true;
        } else if (read.unreadable) {
            setLastError(tr("Couldn’t save the ledger: %1.").arg(std::get<QString>(read.content)));
            return false;
        } else if (read.exists && !setAside(std::get<QString>(read.content))) {
            return false;
        }
    }
    if (journal.error) {
        setLastError(tr("Couldn’t save the ledger: %1.").arg(*journal.error));
        return false;
    }
    if (journal.damagedLines > 0 && !setJournalAside())
        return false;
    const bool mayRepeat = !journal.hasHeader || journal.base != FileState::of(m_fileURL);
    if (reread && !m_unjournaled.isEmpty()) {
        // The other process may have found them in the journal after all.
        const RecordIds base(m_entries);
        for (const HistoryEntry& entry : m_unjournaled)
            if (!base.contains(entry))
                m_entries.append(entry);
    }
    const qsizetype taken = takeRecords(journal, mayRepeat);
    if (reread || taken > 0)
        Q_EMIT entriesChanged();

    error = AtomicFile::write(m_fileURL, [this](const AtomicFile::Sink& sink) {
        return HistoryFile::encode(m_entries, sink);
    });
    if (error) {
        setLastError(tr("Couldn’t save the ledger: %1.").arg(*error));
        return false;
    }
    m_diskState = FileState::of(m_fileURL);
    // Intents stay, whether their runs go on or are to be settled at the next start.
    QList<QByteArray> open;
    for (const HistoryJournal::Intent& intent : journal.openIntents)
        open.append(intent.line);
    if (const auto cut = m_journal->restart(m_diskState, open))
        Log::info(Log::Category::app,
                  QStringLiteral("Couldn’t start the ledger’s journal again: %1").arg(*cut));
    m_journalIDs.clear();
    m_unjournaled.clear();
    m_pendingRemovals.clear();
    m_lastSaveAt = m_clock();
    m_hasUnsavedChanges = false;
    setLastError(std::nullopt);
    return true;
}

void History::add(const HistoryEntry& entry, bool deferSave) {
    if (!m_loaded) {
        journalsBeforeLoad(entry, false);
        return;
    }
    const bool journaled = !m_journal->append(entry);
    append(entry, journaled);
    Q_EMIT entriesChanged();
    if (!deferSave || !journaled || !m_unjournaled.isEmpty() ||
        sizeOf(m_journal->path()) > journalBound)
        save();
    Q_EMIT recorded(entry);
}

bool History::addRecorded(const HistoryEntry& entry, bool journaled) {
    if (!m_loaded)
        return journalsBeforeLoad(entry, journaled);
    // The file is not written while a fold waits for another run's record: the journal gets a
    // second chance to hold this one.
    if (!journaled && m_journal->foldWaits())
        journaled = !m_journal->append(entry);
    append(entry, journaled);
    if (journaled) {
        Q_EMIT entriesChanged();
        if (m_foldWaiting || !m_unjournaled.isEmpty() || sizeOf(m_journal->path()) > journalBound)
            save();
        Q_EMIT recorded(entry);
        return true;
    }
    if (save()) {
        Q_EMIT entriesChanged();
        Q_EMIT recorded(entry);
        return true;
    }
    // Neither the journal nor the file holds it. Memory must not either: the card would look
    // safe to erase for as long as this process runs, and the next start would not know it.
    // The failed save may have put records after it, or read it in again after another
    // process's file. Should its note be in the journal after all, the next fold takes it
    // from there, once.
    // By its id: memory keeps whole seconds, and the entry's time may have more.
    m_unjournaled.removeLast();
    const QByteArray key = entry.sourceKey.toUtf8();
    const QByteArray destination = entry.destinationPath.toUtf8();
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.text(i, HistoryRecords::destinationPath) != destination ||
            m_entries.text(i, HistoryRecords::sourceKey) != key)
            continue;
        if (i == m_entries.size() - 1)
            m_entries.removeLast();
        else
            m_entries = m_entries.without([i](qsizetype j) { return j == i; });
        break;
    }
    return false;
}

void History::saveIfNeeded() {
    if (!m_hasUnsavedChanges || !m_loaded)
        return;
    const qint64 history = m_diskState ? m_diskState->size : 0;
    if (history <= smallHistory || sizeOf(m_journal->path()) * 16 >= history ||
        !m_unjournaled.isEmpty())
        save();
}

HistoryIndex History::entriesByKey() const {
    return HistoryIndex(m_entries);
}

qsizetype History::entryCount(const QString& volumeIdentity) const {
    const QByteArray prefix = (volumeIdentity + u'|').toUtf8();
    qsizetype count = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries.text(i, HistoryRecords::sourceKey).startsWith(prefix))
            ++count;
    return count;
}

qsizetype History::removeWhere(const Removal& removal) {
    if (refusesChanges("forget copies"))
        return 0;
    HistoryRecords kept =
        m_entries.without([&](qsizetype i) { return removal.removes(m_entries, i); });
    const qsizetype removed = m_entries.size() - kept.size();
    if (removed == 0)
        return 0;
    m_entries = std::move(kept);
    m_unjournaled.removeIf([&](const HistoryEntry& entry) {
        HistoryRecords one;
        one.append(entry);
        return removal.removes(one, 0);
    });
    m_pendingRemovals.append(removal);
    Q_EMIT entriesChanged();
    save();
    return removed;
}

qsizetype History::forget(const HistoryEntry& entry) {
    const qsizetype removed = removeWhere(Removal{HistoryRecords::Encoded(entry), {}});
    if (removed > 0)
        Q_EMIT forgotten(entry);
    return removed;
}

qsizetype History::forgetVolume(const QString& volumeIdentity) {
    const qsizetype removed = removeWhere(Removal{std::nullopt, (volumeIdentity + u'|').toUtf8()});
    if (removed > 0)
        Q_EMIT forgottenCard(volumeIdentity);
    return removed;
}

std::optional<qsizetype> History::record(const QList<HistoryEntry>& entries, QString* error) {
    if (refusesChanges("record copies")) {
        if (error)
            *error = m_lastError.value_or(QString());
        return std::nullopt;
    }
    const auto same = [](const HistoryEntry& e) {
        return QStringList{e.id(), e.sha256, QString::number(e.size),
                           QString::number(e.offloadedAt.toSecsSinceEpoch())}
            .join(u'\0');
    };
    QSet<QString> held;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        held.insert(same(m_entries.at(i)));
    qsizetype added = 0;
    for (HistoryEntry entry : entries) {
        entry.station.clear();
        if (held.contains(same(entry)))
            continue;
        held.insert(same(entry));
        add(entry, true);
        ++added;
    }
    if (m_hasUnsavedChanges)
        save();
    if (m_lastError) {
        if (error)
            *error = *m_lastError;
        return std::nullopt;
    }
    return added;
}

std::optional<QList<HistoryEntry>> History::cardRecords(const QString& volumeIdentity, QString*) {
    const QByteArray prefix = (volumeIdentity + u'|').toUtf8();
    QList<HistoryEntry> entries;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries.text(i, HistoryRecords::sourceKey).startsWith(prefix))
            entries.append(m_entries.at(i));
    for (HistoryEntry& entry : entries)
        entry.station = m_station;
    return entries;
}

std::optional<QList<HistoryEntry>> History::stationRecords(const QString& station, QString*) {
    if (!station.isEmpty() && station != m_station)
        return QList<HistoryEntry>();
    QList<HistoryEntry> entries = m_entries.toList();
    for (HistoryEntry& entry : entries)
        entry.station = m_station;
    return entries;
}

} // namespace stowly
