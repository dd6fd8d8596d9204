#include "copy/Offloader.h"

#include "base/FileNames.h"
#include "copy/AtomicFile.h"
#include "copy/Copier.h"
#include "copy/FreeURL.h"
#include "copy/Xxh128.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace stowly {
namespace {

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

// Without the note a copy could take its final name and be forgotten by a history that cannot
// be saved either, and the next run would copy the file again.
CopyFailure unnoted(const QString& fileName, const QString& reason) {
    return CopyFailure{
        CopyFailure::Kind::system,
        QCoreApplication::translate("Offloader", "Couldn’t note the copy of %1 in the history: %2.")
            .arg(fileName, reason),
        0};
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

} // namespace

OffloadSummary Offloader::run(const OffloadJob& job, const Progress& progress, const Record& record,
                              std::stop_token stop, CopyJournal* journal) {
    OffloadSummary summary;
    summary.skipped = job.alreadyOffloaded;
    if (job.plan.isEmpty())
        return summary;

    OffloadProgress state;
    state.filesTotal = int(job.plan.size());
    for (const PlannedFile& planned : job.plan)
        state.bytesTotal += planned.clip.size;
    const auto report = [&](const OffloadProgress& value) {
        if (progress)
            progress(value);
    };
    // One pair of chunk buffers for the whole run.
    CopyBuffers buffers(Copier::chunkSize);
    const QStringList destinations = job.destinations();
    state.destinations = int(destinations.size());

    for (const PlannedFile& planned : job.plan) {
        if (stop.stop_requested()) {
            summary.cancelled = true;
            return summary;
        }
        const Clip& clip = planned.clip;
        state.currentFile = fileNames::decode(clip.url.mid(clip.url.lastIndexOf('/') + 1));
        state.currentID = clip.relativePath;
        state.currentFileBytes = 0;
        state.isVerifying = false;
        state.isVerifyingSource = false;
        report(state);
        const OffloadProgress atStart = state;
        const qint64 bytesAfter = state.bytesDone + clip.size;

        const auto onBytes = [&](qint64 count) {
            state.bytesDone += count;
            state.currentFileBytes += count;
            report(state);
        };
        // The roots this file goes to; each copy's path and outcome, in that order.
        const QStringList roots = job.missingAt.value(clip.relativePath, destinations);
        QStringList targets(roots.size());
        QList<std::optional<CopyResult>> outcomes(roots.size());
        QStringList folders;
        for (qsizetype i = 0; i < roots.size(); ++i) {
            if (std::optional<CopyFailure> failure = prepareFolder(roots[i], planned))
                outcomes[i] = *failure;
            else
                folders << joinPath(roots[i], planned.folder);
        }
        // Taken at the last moment, so names that appeared during earlier files are avoided,
        // and free at every destination, so the copies share one relative path.
        const QString name = freeName(folders, planned.fileName);
        QStringList live;
        QList<qsizetype> liveIndex;
        for (qsizetype i = 0; i < roots.size(); ++i) {
            targets[i] = joinPath(joinPath(roots[i], planned.folder), name);
            if (outcomes[i])
                continue;
            if (journal)
                journal->copying(targets[i], clip.ledgerKey(job.card.volumeIdentity()));
            live << targets[i];
            liveIndex << i;
        }

        const auto entryOf = [&](const QString& target, const QString& digest) {
            return LedgerEntry{clip.ledgerKey(job.card.volumeIdentity()),
                               job.card.name,
                               clip.relativePath,
                               target,
                               clip.size,
                               digest,
                               recordingTime()};
        };
        QList<std::optional<LedgerEntry>> noted(live.size());
        const auto onVerify = [&](int index, const QString& digest,
                                  qint64 bytes) -> std::optional<CopyFailure> {
            // The history keys a file by its scanned size; other bytes are another file.
            if (bytes != clip.size)
                return CopyFailure::from(CopierError::sourceChanged(clip.fileName()));
            state = atStart;
            state.bytesDone = bytesAfter;
            state.currentFileBytes = clip.size;
            state.isVerifying = true;
            report(state);
            noted[index] = entryOf(live[index], digest);
            if (journal)
                if (const std::optional<QString> error = journal->verifying(*noted[index]))
                    return unnoted(clip.fileName(), *error);
            return std::nullopt;
        };
        Copier::Checks checks;
        checks.verifySource = job.verifySource;
        // Fed on the reading thread; read here only after the copy returned.
        std::optional<Xxh128> xxh128;
        if (job.xxh128) {
            xxh128.emplace();
            checks.tap = [&xxh128](const char* data, qsizetype size) {
                xxh128->update(data, size);
            };
        }
        checks.onVerifyingSource = [&] {
            state.isVerifying = false;
            state.isVerifyingSource = true;
            report(state);
        };
        const QList<CopyResult> results =
            live.isEmpty() ? QList<CopyResult>{}
                           : Copier::copyToAll(clip.url, live, onBytes, onVerify, stop, &buffers,
                                               FolderCalls::system(), checks);
        const QString xxh128Text =
            xxh128 && !results.isEmpty() ? Copier::hexString(xxh128->finish()) : QString();
        const QDateTime hashedAt = QDateTime::currentDateTimeUtc();
        for (qsizetype i = 0; i < results.size(); ++i) {
            if (!results[i].ok() && journal)
                journal->dropped(live[i]);
            outcomes[liveIndex[i]] = results[i];
        }

        bool allGood = true;
        for (qsizetype i = 0; i < roots.size(); ++i) {
            const CopyResult& result = *outcomes[i];
            if (!result.ok() && result.failure().kind == CopyFailure::Kind::cancelled) {
                summary.cancelled = true;
                return summary;
            }
        }
        for (qsizetype i = 0; i < roots.size(); ++i) {
            const CopyResult& result = *outcomes[i];
            CopyOutcome outcome{clip.relativePath, roots[i], targets[i], std::nullopt};
            if (result.ok()) {
                // The time noted before the read-back, so a copy found again after a kill
                // reads back equal to the one recorded here.
                const qsizetype at = liveIndex.indexOf(i);
                const LedgerEntry entry =
                    noted[at] ? *noted[at] : entryOf(targets[i], result.digest());
                if (record)
                    record(entry);
                outcome.size = clip.size;
                outcome.xxh128 = xxh128Text;
                outcome.hashedAt = hashedAt;
                outcome.modified = QFileInfo(targets[i]).lastModified().toUTC();
            } else {
                allGood = false;
                outcome.failure = result.failure().description;
                summary.failures.append((destinations.size() > 1
                                             ? QCoreApplication::translate("Offloader", "%1 at %2")
                                                   .arg(clip.relativePath, roots[i])
                                             : clip.relativePath) +
                                        QStringLiteral(": ") + result.failure().description);
            }
            summary.copies.append(outcome);
        }
        if (allGood)
            ++summary.copied;
        else
            ++summary.failed;

        ++state.filesDone;
        state.bytesDone = bytesAfter;
        state.currentFileBytes = 0;
        state.isVerifying = false;
        state.isVerifyingSource = false;
        report(state);
    }
    return summary;
}

} // namespace stowly
