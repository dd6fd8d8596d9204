#include "mhl/HistoryCheck.h"

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "mhl/FormatHasher.h"
#include "mhl/GenerationWriter.h"
#include "mhl/IgnoreList.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace stowly {
namespace {

using Kind = HistoryCheck::Finding::Kind;

QList<HashFormat> formatsOf(const MhlManifest::File& file) {
    QList<HashFormat> formats;
    for (const MhlManifest::Hash& hash : file.hashes)
        formats.append(hash.format);
    return formats;
}

HistoryCheck::Finding check(const QString& scope, const MhlManifest::File& recorded) {
    HistoryCheck::Finding finding;
    finding.path = recorded.path;
    finding.recorded = recorded;
    const QFileInfo info(scope + u'/' + recorded.path);
    if (!info.exists() || !info.isFile()) {
        finding.kind = Kind::missing;
        return finding;
    }
    finding.size = info.size();
    finding.modified = info.lastModified().toUTC();
    FormatHasher hasher(formatsOf(recorded));
    const auto failure =
        Copier::readWhole(fileNames::encode(info.filePath()), Copier::chunkSize, true,
                          [&](const char* data, qsizetype size) { hasher.update(data, size); });
    if (failure) {
        finding.kind = Kind::unreadable;
        finding.detail = failure->description;
        return finding;
    }
    finding.hashedAt = QDateTime::currentDateTimeUtc();
    finding.found = hasher.finish();
    QStringList differing;
    for (const MhlManifest::Hash& hash : recorded.hashes)
        if (finding.found.value(hash.format).compare(hash.value, Qt::CaseInsensitive) != 0)
            differing.append(hashFormat::name(hash.format));
    if (recorded.size && *recorded.size != finding.size)
        finding.kind = Kind::changedSize;
    else if (!differing.isEmpty())
        finding.kind = Kind::changedHash;
    finding.detail = differing.join(QStringLiteral(", "));
    return finding;
}

} // namespace

QList<HistoryCheck::Finding> HistoryCheck::run(const MhlHistory& history, const OnFile& onFile) {
    QList<Finding> findings;
    QSet<QString> recordedPaths;
    for (const MhlManifest::File& recorded : history.recordedFiles()) {
        recordedPaths.insert(recorded.path);
        findings.append(check(history.scope(), recorded));
        if (onFile)
            onFile(findings.last());
    }
    const QStringList present =
        IgnoreList(IgnoreList::merged(history.ignorePatterns(), IgnoreList::defaults()))
            .filesBelow(history.scope());
    for (const QString& path : present) {
        if (recordedPaths.contains(path))
            continue;
        Finding finding;
        finding.kind = Kind::unrecorded;
        finding.path = path;
        findings.append(finding);
        if (onFile)
            onFile(finding);
    }
    return findings;
}

bool HistoryCheck::allMatch(const QList<Finding>& findings) {
    return std::all_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.kind == Kind::verified; });
}

MhlManifest HistoryCheck::verification(const QList<Finding>& findings, const MhlHistory& history,
                                       const QDateTime& startedAt) {
    GenerationWriter::Info info;
    info.startedAt = startedAt;
    info.process = MhlManifest::Process::inPlace;
    MhlManifest manifest = GenerationWriter::manifest(
        {}, info, IgnoreList::merged(history.ignorePatterns(), IgnoreList::defaults()));
    for (const Finding& finding : findings) {
        if (finding.found.isEmpty())
            continue;
        MhlManifest::File file;
        file.path = finding.path;
        file.size = finding.size;
        file.lastModificationDate = finding.modified;
        const auto action = finding.kind == Kind::verified ? MhlManifest::Action::verified
                                                           : MhlManifest::Action::failed;
        for (auto [format, value] : finding.found.asKeyValueRange())
            file.hashes.append({format, value, action, finding.hashedAt});
        manifest.files.append(file);
    }
    return manifest;
}

} // namespace stowly
