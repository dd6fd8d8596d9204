#include "copy/OffloadRun.h"

#include "base/FileNames.h"
#include "base/Log.h"
#include "copy/AtomicFile.h"
#include "copy/FolderProbe.h"
#include "copy/FormatHasher.h"
#include "copy/LeftPartials.h"
#include "copy/NameClaim.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace stowly {
namespace {

// Copies proved at once at most, besides the one being copied: enough to keep the verifier
// busy between a large file and many small ones, and few open files and dirty pages.
constexpr qsizetype openFiles = 2;
// The read-back buffers of all destinations together stay within this, the copy's own
// buffers besides.
constexpr qint64 readBackBudget = 48 * 1024 * 1024;

QString joinPath(const QString& folder, const QString& relative) {
    if (relative.isEmpty())
        return folder;
    return folder.endsWith(u'/') ? folder + relative : folder + u'/' + relative;
}

// The moment of recording, in whole seconds: what the history file keeps, so that an entry
// reads back equal to the one handed out.
QDateTime recordingTime() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch(), Qt::UTC);
}

// 0 when the path is a folder, else why not.
int folderError(const QString& path) {
    struct stat info;
    if (::stat(fileNames::encode(path).constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// Makes the planned file's folder at one destination root. Only folders below the root are
// made: a root that is missing is a drive that is not mounted, and making it would put the
// copies on whatever disk holds the mount point.
std::optional<CopyFailure> prepareFolder(const QString& root, const PlannedFile& planned) {
    if (const int rootError = folderError(root); rootError != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Offloader", "Couldn’t open the destination folder %1")
                .arg(root),
            rootError);
    if (const auto error = AtomicFile::makeFolder(joinPath(root, planned.folder))) {
        QString reason = *error;
        if (reason.endsWith(u'.'))
            reason.chop(1);
        return CopyFailure{CopyFailure::Kind::system,
                           QCoreApplication::translate(
                               "Offloader", "Couldn’t create the folder %1 in the destination: %2.")
                               .arg(planned.folder, reason),
                           0};
    }
    return std::nullopt;
}

// The card's file system as the run saw it: its device, or 0 when its root can't be read.
dev_t deviceOf(const QString& root) {
    struct stat info;
    if (::stat(fileNames::encode(root).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return 0;
    return info.st_dev;
}

} // namespace

OffloadRun::OffloadRun(const OffloadJob& job, const Offloader::Progress& progress,
                       const Offloader::Record& record, std::stop_token stop, CopyJournal* journal,
                       const FolderCalls& calls)
    : m_job(job), m_progress(progress), m_record(record), m_stop(std::move(stop)),
      m_journal(journal), m_calls(calls), m_destinations(job.destinations()),
      m_buffers(Copier::chunkSize),
      m_readBackBuffers(CopyBufferPool::chunkSizeFor(int(m_destinations.size()), Copier::chunkSize,
                                                     readBackBudget)) {}

void OffloadRun::report() {
    if (m_progress)
        m_progress(m_state);
}

OffloadSummary OffloadRun::run() {
    m_summary.skipped = m_job.alreadyOffloaded;
    if (m_job.plan.isEmpty())
        return m_summary;
    m_state.filesTotal = int(m_job.plan.size());
    for (const PlannedFile& planned : m_job.plan)
        m_state.bytesTotal += planned.clip.size;
    m_state.destinations = int(m_destinations.size());
    removeLeftPartials();
    m_cardDevice = deviceOf(m_job.card.url);
    for (const QString& root : m_destinations)
        m_shares << ShareAddress::of(root);
    m_givenUp.resize(m_destinations.size());

    for (int index = 0; index < m_job.plan.size(); ++index) {
        if (m_stop.stop_requested() || !copyFile(index)) {
            // What was copied before the stop is proved and recorded still.
            countProved(0);
            m_summary.cancelled = true;
            return m_summary;
        }
        if (m_cardGone) {
            // Every file after it would fail the same way; they are named once, together.
            countProved(0);
            for (int left = index + 1; left < m_job.plan.size(); ++left)
                m_summary.leftOnRemovedCard << m_job.plan[left].clip.relativePath;
            m_summary.failed += int(m_job.plan.size()) - index - 1;
            return m_summary;
        }
    }
    countProved(0);
    return m_summary;
}

bool OffloadRun::copyFile(int index) {
    const Clip& clip = m_job.plan[index].clip;
    m_current = index;
    m_state.currentFile = fileNames::nameOf(clip.url);
    m_state.currentID = clip.relativePath;
    m_state.currentFileBytes = 0;
    m_state.isVerifying = false;
    m_state.isVerifyingSource = false;
    report();

    auto file = std::make_unique<File>();
    file->index = index;
    file->bytesAfter = m_state.bytesDone + clip.size;
    Copier::Checks checks;
    checks.verifySource = m_job.verifySource;
    // Fed on the reading thread, finished here once the copy is written.
    std::shared_ptr<FormatHasher> hasher;
    if (m_job.xxh128) {
        QList<HashFormat> formats{HashFormat::xxh128};
        for (const HashFormat format : m_job.otherHashes)
            if (!formats.contains(format))
                formats << format;
        hasher = std::make_shared<FormatHasher>(formats);
        checks.tap = [hasher](const char* data, qsizetype size) { hasher->update(data, size); };
    }
    file->verifyingSource = std::make_shared<std::atomic<bool>>(false);
    checks.onVerifyingSource = [flag = file->verifyingSource] { *flag = true; };
    prepare(*file, checks);

    if (file->copy) {
        const auto onBytes = [&](qint64 count) {
            m_state.bytesDone += count;
            m_state.currentFileBytes += count;
            report();
            countProved(openFiles);
        };
        const auto onWritten = [&](qint64 written) {
            if (written - file->piecesUpTo < ReadBackPieces::pieceSize)
                return;
            file->piecesUpTo = written;
            m_verifier.post([pieces = file->copy->pieces(), written, this] {
                for (int i = 0; i < pieces.size(); ++i)
                    if (pieces[i])
                        pieces[i]->readUpTo(written, m_readBackBuffers.at(i));
            });
        };
        const bool written = file->copy->copy(onBytes, m_buffers, onWritten);
        // Seen now rather than when the file is counted, so that the next file is not sent
        // to a share that stopped answering.
        for (int i = 0; i < file->liveIndex.size(); ++i)
            if (const auto& failure = file->copy->failure(i))
                noteFailure(file->roots[file->liveIndex[i]], *failure);
        if (written) {
            if (hasher) {
                QMap<HashFormat, QString> values = hasher->finish();
                file->xxh128 = values.take(HashFormat::xxh128);
                file->hashes = hashFormat::named(values);
            }
            file->hashedAt = QDateTime::currentDateTimeUtc();
            for (int i = 0; i < file->copy->count(); ++i)
                if (file->copy->live(i))
                    if (const std::optional<CopyFailure> refused = note(*file, i))
                        file->copy->fail(i, *refused);
        }
        if (file->copy->stopped()) {
            for (int i = 0; i < file->liveIndex.size(); ++i)
                if (file->copy->leftBehind(i))
                    LeftPartials::add(file->targets[file->liveIndex[i]]);
                else if (m_journal)
                    m_journal->dropped(file->targets[file->liveIndex[i]]);
            return false;
        }
        if (file->copy->anyLive())
            file->proved =
                m_verifier.post([copy = file->copy, this] { copy->prove(m_readBackBuffers); });
        else
            file->cardGone = m_cardGone = cardIsGone();
    }
    m_state.bytesDone = file->bytesAfter;
    m_open.push_back(std::move(file));
    countProved(openFiles);
    return true;
}

bool OffloadRun::cardIsGone() const {
    if (m_cardDevice == 0)
        return false;
    // Unmounted: the root is gone, or is the empty mount point on the disk below. A card
    // pulled while still mounted can't even list its root.
    if (deviceOf(m_job.card.url) != m_cardDevice)
        return true;
    const QDir root(m_job.card.url);
    return !root.isReadable() ||
           root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
               .isEmpty();
}

void OffloadRun::prepare(File& file, const Copier::Checks& checks) {
    const PlannedFile& planned = m_job.plan[file.index];
    const Clip& clip = planned.clip;
    file.roots = m_job.missingAt.value(clip.relativePath, m_destinations);
    file.targets.resize(file.roots.size());
    file.outcomes.resize(file.roots.size());
    QStringList folders;
    for (qsizetype i = 0; i < file.roots.size(); ++i) {
        if (const std::optional<QString> why = givenUp(file.roots[i]))
            file.outcomes[i] = CopyFailure{CopyFailure::Kind::system, *why, ENOTCONN};
        else if (std::optional<CopyFailure> failure = prepareFolder(file.roots[i], planned))
            file.outcomes[i] = *failure;
        else
            folders << joinPath(file.roots[i], planned.folder);
    }
    // Taken at the last moment, so names that appeared during earlier files are avoided, free
    // at every destination, so the copies share one relative path, and held until the partial
    // files hold it, so that other runs into these folders pass it over.
    const NameClaim claim(folders, planned.fileName, m_calls);
    QStringList live;
    QList<ReadBack> readBacks;
    for (qsizetype i = 0; i < file.roots.size(); ++i) {
        file.targets[i] = joinPath(joinPath(file.roots[i], planned.folder), claim.name());
        if (file.outcomes[i])
            continue;
        if (m_journal)
            m_journal->copying(file.targets[i], clip.historyKey(m_job.card.volumeIdentity()));
        file.liveIndex << i;
        live << file.targets[i];
        readBacks << readBackOf(joinPath(file.roots[i], planned.folder));
    }
    file.noted.resize(file.liveIndex.size());
    if (live.isEmpty())
        return;
    file.copy = std::make_shared<CopyRun>(clip.url, live, m_stop, m_calls, checks, readBacks);
    file.copy->create();
}

std::optional<CopyFailure> OffloadRun::note(File& file, int live) {
    const Clip& clip = m_job.plan[file.index].clip;
    // The history keys a file by its scanned size; other bytes are another file.
    if (file.copy->bytesCopied() != clip.size)
        return CopyFailure::from(CopierError::sourceChanged(clip.fileName()));
    m_state.bytesDone = file.bytesAfter;
    m_state.currentFileBytes = clip.size;
    m_state.isVerifying = true;
    report();
    file.noted[live] = entryOf(file, file.targets[file.liveIndex[live]], file.copy->digest());
    // Without the note, a copy that takes its final name and is then cut off by a kill stays
    // unknown to the history. The copy is made and proved all the same: the footage is safer
    // copied than not, and its record says whether the history keeps it.
    if (m_journal)
        if (const std::optional<QString> error = m_journal->verifying(*file.noted[live]))
            Log::info(Log::Category::app,
                      QStringLiteral("Couldn’t note the copy %1 in the history’s journal: %2")
                          .arg(file.noted[live]->destinationPath, *error));
    return std::nullopt;
}

void OffloadRun::countProved(qsizetype left) {
    while (!m_open.empty()) {
        File& file = *m_open.front();
        if (qsizetype(m_open.size()) > left) {
            // Waiting with nothing else to do: the progress says what is being proved.
            bool toldSource = false;
            while (!m_verifier.waitFor(file.proved, std::chrono::milliseconds(100)))
                if (!toldSource && file.index == m_current && file.verifyingSource &&
                    *file.verifyingSource) {
                    toldSource = true;
                    m_state.isVerifying = false;
                    m_state.isVerifyingSource = true;
                    report();
                }
        } else if (!m_verifier.isDone(file.proved)) {
            return;
        }
        count(file);
        m_open.pop_front();
    }
}

void OffloadRun::count(File& file) {
    const Clip& clip = m_job.plan[file.index].clip;
    const QList<CopyResult> results = file.copy ? file.copy->results() : QList<CopyResult>{};
    for (qsizetype i = 0; i < results.size(); ++i) {
        // A partial file that may still be there keeps its note open, so that it is removed
        // once its folder answers again: by the next run, or else the next start.
        if (!results[i].ok() && file.copy->leftBehind(int(i)))
            LeftPartials::add(file.targets[file.liveIndex[i]]);
        else if (!results[i].ok() && m_journal)
            m_journal->dropped(file.targets[file.liveIndex[i]]);
        file.outcomes[file.liveIndex[i]] = results[i];
    }
    if (file.cardGone) {
        m_summary.leftOnRemovedCard << clip.relativePath;
        ++m_summary.failed;
        ++m_state.filesDone;
        report();
        return;
    }
    bool allGood = true;
    for (qsizetype i = 0; i < file.roots.size(); ++i) {
        const CopyResult& result = *file.outcomes[i];
        CopyOutcome outcome{clip.relativePath, file.roots[i], file.targets[i], std::nullopt};
        if (result.ok()) {
            // The time noted before the proof, so a copy found again after a kill reads back
            // equal to the one recorded here.
            const qsizetype at = file.liveIndex.indexOf(i);
            const HistoryEntry entry =
                file.noted[at] ? *file.noted[at] : entryOf(file, file.targets[i], result.digest());
            if (m_record)
                m_record(entry, file.xxh128, file.hashes);
            outcome.size = clip.size;
            outcome.xxh128 = file.xxh128;
            outcome.hashes = file.hashes;
            outcome.hashedAt = file.hashedAt;
            outcome.readBack = result.readBack();
            outcome.modified = QFileInfo(file.targets[i]).lastModified().toUTC();
        } else {
            allGood = false;
            outcome.failure = result.failure().description;
            noteFailure(file.roots[i], result.failure());
            if (givenUp(file.roots[i])) {
                m_summary.copies.append(outcome);
                continue;
            }
            m_summary.failures.append((m_destinations.size() > 1
                                           ? QCoreApplication::translate("Offloader", "%1 at %2")
                                                 .arg(clip.relativePath, file.roots[i])
                                           : clip.relativePath) +
                                      QStringLiteral(": ") + result.failure().description);
        }
        m_summary.copies.append(outcome);
    }
    if (allGood)
        ++m_summary.copied;
    else
        ++m_summary.failed;

    ++m_state.filesDone;
    if (file.index == m_current) {
        m_state.bytesDone = file.bytesAfter;
        m_state.currentFileBytes = 0;
        m_state.isVerifying = false;
        m_state.isVerifyingSource = false;
    }
    report();
}

void OffloadRun::removeLeftPartials() {
    for (const QString& destination : LeftPartials::take()) {
        const QByteArray partial = fileNames::encode(Copier::partialPath(destination));
        auto gone = std::make_shared<bool>(false);
        // The note proves the name ours; a share still silent keeps it for a later run.
        const bool answered = FolderProbe::answers(
            destination,
            [gone, partial] {
                struct stat info;
                if (::lstat(partial.constData(), &info) != 0)
                    *gone = errno == ENOENT;
                else
                    *gone = S_ISREG(info.st_mode) && ::unlink(partial.constData()) == 0;
            },
            std::chrono::seconds(2));
        if (answered && *gone) {
            Log::info(Log::Category::app,
                      QStringLiteral("Removed %1, left when its share stopped answering.")
                          .arg(Copier::partialPath(destination)));
            if (m_journal)
                m_journal->dropped(destination);
        } else {
            LeftPartials::add(destination);
        }
    }
}

void OffloadRun::noteFailure(const QString& root, const CopyFailure& failure) {
    const qsizetype index = m_destinations.indexOf(root);
    if (index < 0 || !m_shares[index] || m_givenUp[index] ||
        failure.kind != CopyFailure::Kind::system ||
        !ShareAddress::lostConnection(failure.systemError))
        return;
    m_givenUp[index] = m_shares[index]->stoppedAnswering();
    m_summary.failures << (m_destinations.size() > 1
                               ? QStringLiteral("%1: %2").arg(root, *m_givenUp[index])
                               : *m_givenUp[index]);
    Log::info(
        Log::Category::app,
        QStringLiteral("Gave up %1 for the rest of the run: %2").arg(root, failure.description));
}

std::optional<QString> OffloadRun::givenUp(const QString& root) const {
    const qsizetype index = m_destinations.indexOf(root);
    return index < 0 ? std::nullopt : m_givenUp[index];
}

ReadBack OffloadRun::readBackOf(const QString& folder) {
    const auto known = m_readBacks.constFind(folder);
    if (known != m_readBacks.cend())
        return *known;
    return *m_readBacks.insert(folder, stowly::readBackOf(folder));
}

HistoryEntry OffloadRun::entryOf(const File& file, const QString& target,
                                 const QString& digest) const {
    const Clip& clip = m_job.plan[file.index].clip;
    return HistoryEntry{clip.historyKey(m_job.card.volumeIdentity()),
                        m_job.card.name,
                        clip.relativePath,
                        target,
                        clip.size,
                        digest,
                        recordingTime()};
}

} // namespace stowly
