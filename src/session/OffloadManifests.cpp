#include "session/OffloadManifests.h"

#include "mhl/GenerationWriter.h"

#include <QCoreApplication>

namespace stowly {

QStringList OffloadManifests::write(const OffloadJob& job, const OffloadSummary& summary) {
    QStringList failures;
    const QStringList roots = job.destinations();
    for (const QString& root : roots) {
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        QList<GenerationWriter::File> files;
        for (const CopyOutcome& copy : summary.copies)
            if (!copy.failure && copy.destination == root && copy.path.startsWith(prefix))
                files.append({copy.path.mid(prefix.size()), copy.size, copy.modified, copy.xxh128,
                              copy.hashedAt, copy.hashes});
        if (files.isEmpty())
            continue;
        QStringList siblings = roots;
        siblings.removeAll(root);
        GenerationWriter::Info info;
        info.startedAt = job.startedAt;
        info.process = MhlManifest::Process::transfer;
        info.comment =
            siblings.isEmpty()
                ? QStringLiteral("Card “%1” (%2)").arg(job.card.name, job.card.volumeIdentity())
                : QStringLiteral("Card “%1” (%2), also copied to %3")
                      .arg(job.card.name, job.card.volumeIdentity(), siblings.join(u", "));
        if (const std::optional<QString> error = GenerationWriter::write(root, files, info))
            failures << QCoreApplication::translate("OffloadManifests",
                                                    "The ASC MHL history in %1 wasn’t written: %2")
                            .arg(root, *error);
    }
    return failures;
}

} // namespace stowly
