#include "copy/Offloader.h"

#include "base/FileNames.h"
#include "copy/AtomicFile.h"
#include "copy/Copier.h"
#include "copy/FreeURL.h"

#include <QCoreApplication>
#include <QDateTime>

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

CopyResult copyPlannedFile(const OffloadJob& job, const PlannedFile& planned, QString* target,
                           const Copier::OnBytes& onBytes, const Copier::OnVerify& onVerify,
                           std::stop_token stop, CopyBuffers& buffers, CopyJournal* journal,
                           bool* noted) {
    // Only folders below the root are made: a root that is missing is a drive that is not
    // mounted, and making it would put the copies on whatever disk holds the mount point.
    const int rootError = folderError(job.destination);
    if (rootError != 0)
        return CopyFailure::system(
            QCoreApplication::translate("Offloader", "Couldn’t open the destination folder %1")
                .arg(job.destination),
            rootError);
    const QString folder = joinPath(job.destination, planned.folder);
    if (const auto error = AtomicFile::makeFolder(folder)) {
        QString reason = *error;
        if (reason.endsWith(u'.'))
            reason.chop(1);
        return CopyFailure{CopyFailure::Kind::system,
                           QCoreApplication::translate(
                               "Offloader", "Couldn’t create the folder %1 in the destination: %2.")
                               .arg(planned.folder, reason),
                           0};
    }
    // Taken at the last moment, so names that appeared during earlier files are avoided.
    *target = freeURL(joinPath(folder, planned.fileName));
    if (journal) {
        journal->copying(*target, planned.clip.ledgerKey(job.card.volumeIdentity()));
        *noted = true;
    }
    return Copier::copyAndVerify(planned.clip.url, *target, onBytes, onVerify, std::move(stop),
                                 &buffers);
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
        report(state);
        const OffloadProgress atStart = state;
        const qint64 bytesAfter = state.bytesDone + clip.size;

        const auto onBytes = [&](qint64 count) {
            state.bytesDone += count;
            state.currentFileBytes += count;
            report(state);
        };
        QString target;
        const auto entryOf = [&](const QString& digest) {
            return LedgerEntry{clip.ledgerKey(job.card.volumeIdentity()),
                               job.card.name,
                               clip.relativePath,
                               target,
                               clip.size,
                               digest,
                               recordingTime()};
        };
        std::optional<LedgerEntry> noted;
        const auto onVerify = [&](const QString& digest,
                                  qint64 bytes) -> std::optional<CopyFailure> {
            // The history keys a file by its scanned size; other bytes are another file.
            if (bytes != clip.size)
                return CopyFailure::from(CopierError::sourceChanged(clip.fileName()));
            state = atStart;
            state.bytesDone = bytesAfter;
            state.currentFileBytes = clip.size;
            state.isVerifying = true;
            report(state);
            noted = entryOf(digest);
            if (journal)
                if (const std::optional<QString> error = journal->verifying(*noted))
                    return unnoted(clip.fileName(), *error);
            return std::nullopt;
        };
        bool journaled = false;
        const CopyResult result = copyPlannedFile(job, planned, &target, onBytes, onVerify, stop,
                                                  buffers, journal, &journaled);
        if (!result.ok() && journaled)
            journal->dropped(target);

        if (result.ok()) {
            // The time noted before the read-back, so a copy found again after a kill reads
            // back equal to the one recorded here.
            const LedgerEntry entry = noted ? *noted : entryOf(result.digest());
            if (record)
                record(entry);
            ++summary.copied;
        } else if (result.failure().kind == CopyFailure::Kind::cancelled) {
            summary.cancelled = true;
            return summary;
        } else {
            ++summary.failed;
            summary.failures.append(clip.relativePath + QStringLiteral(": ") +
                                    result.failure().description);
        }

        ++state.filesDone;
        state.bytesDone = bytesAfter;
        state.currentFileBytes = 0;
        state.isVerifying = false;
        report(state);
    }
    return summary;
}

} // namespace stowly
