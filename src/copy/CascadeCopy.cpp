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
                .arg(QFileInfo(item.relativePath).fileName(), item.source)};
}

} // namespace

QList<CascadeResult> CascadeCopy::copy(const CascadeItem& item, const Copier::OnBytes& onBytes,
                                       std::stop_token stop, CopyBuffers* buffers,
                                       const FolderCalls& calls) {
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
            there && there.digest() == item.sha256
                ? there
                : CopyResult(CopyFailure{CopyFailure::Kind::destinationExists,
                                         tr("Another file is already at “%1”.").arg(target)});
    }
    if (targets.isEmpty())
        return results;

    auto xxh128 = std::make_shared<Xxh128>();
    Copier::Checks checks;
    if (!item.xxh128.isEmpty())
        checks.tap = [xxh128](const char* data, qsizetype size) { xxh128->update(data, size); };
    std::optional<bool> sourceMatches;
    const auto onVerify = [&](int, const QString& digest,
                              qint64 size) -> std::optional<CopyFailure> {
        if (!sourceMatches)
            sourceMatches =
                digest == item.sha256 && size == item.size &&
                (item.xxh128.isEmpty() || Copier::hexString(xxh128->finish()) == item.xxh128);
        return *sourceMatches ? std::nullopt : std::optional(sourceDiffers(item));
    };
    const QList<CopyResult> copied = Copier::copyToAll(
        QFile::encodeName(item.source), targets, onBytes, onVerify, stop, buffers, calls, checks);
    for (qsizetype i = 0; i < copied.size(); ++i)
        results[toCopy[i]].result = copied[i];
    return results;
}

} // namespace stowly
