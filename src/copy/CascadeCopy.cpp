#include "copy/CascadeCopy.h"

#include "copy/Xxh128.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace stowly {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("CascadeCopy", text);
}

CopyFailure sourceDiffers(const CascadeItem& item) {
    return {CopyFailure::Kind::sourceReadDiffers,
            tr("The copy of “%1” at “%2” no longer matches what the card gave; copy it from the "
               "card again.")
                .arg(item.first.sourceRelativePath, item.first.destinationPath)};
}

} // namespace

HistoryEntry CascadeItem::entryAt(const QString& target, const QDateTime& when) const {
    HistoryEntry entry = first;
    entry.destinationPath = target;
    entry.offloadedAt = when;
    return entry;
}

QString CascadeItem::firstRoot() const {
    const QString& path = first.destinationPath;
    return path.endsWith(relativePath) ? path.chopped(relativePath.size() + 1) : QString();
}

QList<CascadeResult> CascadeCopy::copy(const CascadeItem& item, const Copier::OnBytes& onBytes,
                                       std::stop_token stop, CopyJournal* journal,
                                       CopyBuffers* buffers, const FolderCalls& calls) {
    QList<CascadeResult> results;
    QStringList targets;
    QList<qsizetype> toCopy;
    for (const QString& root : item.roots) {
        const QString target = QDir(root).filePath(item.relativePath);
        results.append({root, target, CopyResult(QString())});
        if (!QFileInfo::exists(target)) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            targets << target;
            toCopy << results.size() - 1;
            continue;
        }
        // Made before, and not recorded: it counts when it is the card's file.
        const CopyResult there = Copier::sha256(QFile::encodeName(target), Copier::chunkSize, true);
        results.last().result =
            there && there.digest() == item.first.sha256
                ? there
                : CopyResult(CopyFailure{CopyFailure::Kind::destinationExists,
                                         tr("Another file is already at “%1”.").arg(target)});
    }
    if (targets.isEmpty())
        return results;
    // A note that cannot be written does not stop the copy; whether it is kept is the record's
    // to tell.
    if (journal)
        for (const QString& target : targets)
            journal->copying(target, item.first.sourceKey);
    const QDateTime when = QDateTime::currentDateTimeUtc();

    auto xxh128 = std::make_shared<Xxh128>();
    Copier::Checks checks;
    if (!item.xxh128.isEmpty())
        checks.tap = [xxh128](const char* data, qsizetype size) { xxh128->update(data, size); };
    std::optional<bool> sourceMatches;
    const auto onVerify = [&](int index, const QString& digest,
                              qint64 size) -> std::optional<CopyFailure> {
        if (!sourceMatches)
            sourceMatches =
                digest == item.first.sha256 && size == item.first.size &&
                (item.xxh128.isEmpty() || Copier::hexString(xxh128->finish()) == item.xxh128);
        if (!*sourceMatches)
            return sourceDiffers(item);
        if (journal)
            journal->verifying(item.entryAt(targets[index], when));
        return std::nullopt;
    };
    const QList<CopyResult> copied =
        Copier::copyToAll(QFile::encodeName(item.first.destinationPath), targets, onBytes, onVerify,
                          stop, buffers, calls, checks);
    for (qsizetype i = 0; i < copied.size(); ++i) {
        results[toCopy[i]].result = copied[i];
        if (!copied[i] && journal)
            journal->dropped(targets[i]);
    }
    return results;
}

} // namespace stowly
