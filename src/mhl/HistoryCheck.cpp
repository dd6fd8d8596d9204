#include "mhl/HistoryCheck.h"

#include "base/FileNames.h"
#include "copy/Copier.h"
#include "copy/FormatHasher.h"
#include "mhl/GenerationWriter.h"
#include "mhl/IgnoreList.h"

#include <QDir>
#include <QFileInfo>

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

using Records = QMap<QString, MhlManifest::File>;

// The records of the files below `folder` (a relative folder), relative to it.
Records below(const Records& records, const QString& folder) {
    Records inside;
    const QString prefix = folder + u'/';
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        if (it.key().startsWith(prefix)) {
            MhlManifest::File file = it.value();
            file.path = it.key().mid(prefix.size());
            inside.insert(file.path, file);
        }
    return inside;
}

// Checks the files of one history; `prefix` leads from the folder checked to its folder, and
// `outer` holds what enclosing histories recorded of its files.
void checkHistory(const MhlHistory& history, const QString& prefix, const Records& outer,
                  QList<HistoryCheck::Finding>& findings, const HistoryCheck::OnFile& onFile) {
    const QString own = prefix.chopped(prefix.isEmpty() ? 0 : 1);
    const auto report = [&](HistoryCheck::Finding finding, const QString& owner) {
        finding.path.prepend(prefix);
        finding.history = owner;
        findings.append(finding);
        if (onFile)
            onFile(findings.last());
    };
    Records recorded = outer;
    for (const MhlManifest::File& file : history.recordedFiles())
        recorded.insert(file.path, file);
    QStringList nested;
    const QStringList present =
        IgnoreList(IgnoreList::merged(history.ignorePatterns(), IgnoreList::defaults()))
            .filesBelow(history.scope(), {}, &nested);
    const auto inNested = [&](const QString& path) {
        return std::any_of(nested.cbegin(), nested.cend(),
                           [&](const QString& folder) { return path.startsWith(folder + u'/'); });
    };
    for (const MhlManifest::File& file : recorded)
        if (!inNested(file.path))
            report(check(history.scope(), file), own);
    for (const QString& path : present) {
        if (recorded.contains(path))
            continue;
        HistoryCheck::Finding finding;
        finding.kind = Kind::unrecorded;
        finding.path = path;
        report(finding, own);
    }
    for (const QString& folder : nested) {
        auto loaded = MhlHistory::load(history.scope() + u'/' + folder);
        if (const QString* problem = std::get_if<QString>(&loaded)) {
            HistoryCheck::Finding finding;
            finding.kind = Kind::unreadable;
            finding.path = folder + u'/' + MhlHistory::folderName();
            finding.detail = *problem;
            report(finding, prefix + folder);
            continue;
        }
        checkHistory(std::get<MhlHistory>(loaded), prefix + folder + u'/', below(recorded, folder),
                     findings, onFile);
    }
}

} // namespace

QList<HistoryCheck::Finding> HistoryCheck::run(const MhlHistory& history, const OnFile& onFile) {
    QList<Finding> findings;
    checkHistory(history, {}, {}, findings, onFile);
    return findings;
}

bool HistoryCheck::allMatch(const QList<Finding>& findings) {
    return std::all_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.kind == Kind::verified; });
}

MhlManifest HistoryCheck::verification(const QList<Finding>& findings, const MhlHistory& history,
                                       const QDateTime& startedAt, const QString& nested) {
    GenerationWriter::Info info;
    info.startedAt = startedAt;
    info.process = MhlManifest::Process::inPlace;
    MhlManifest manifest = GenerationWriter::manifest(
        {}, info, IgnoreList::merged(history.ignorePatterns(), IgnoreList::defaults()));
    const qsizetype prefix = nested.isEmpty() ? 0 : nested.size() + 1;
    for (const Finding& finding : findings) {
        if (finding.found.isEmpty() || finding.history != nested)
            continue;
        MhlManifest::File file;
        file.path = finding.path.mid(prefix);
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

std::optional<QString> HistoryCheck::record(const QList<Finding>& findings, MhlHistory& history,
                                            const QDateTime& startedAt) {
    QStringList nested;
    for (const Finding& finding : findings)
        if (!finding.history.isEmpty() && !finding.found.isEmpty() &&
            !nested.contains(finding.history))
            nested.append(finding.history);
    // Deepest first, so each generation exists before the one that refers to it.
    std::sort(nested.begin(), nested.end(),
              [](const QString& a, const QString& b) { return a.count(u'/') > b.count(u'/'); });
    QMap<QString, QList<MhlManifest::Reference>> referencesIn;
    for (const QString& folder : nested) {
        auto loaded = MhlHistory::load(history.scope() + u'/' + folder);
        if (const QString* problem = std::get_if<QString>(&loaded))
            return *problem;
        MhlHistory& inner = std::get<MhlHistory>(loaded);
        MhlManifest manifest = verification(findings, inner, startedAt, folder);
        manifest.references = referencesIn.take(folder);
        if (auto failure = inner.append(manifest, startedAt))
            return failure;
        QString enclosing;
        for (const QString& other : nested)
            if (folder.startsWith(other + u'/') && other.size() > enclosing.size())
                enclosing = other;
        const QString relative = enclosing.isEmpty() ? folder : folder.mid(enclosing.size() + 1);
        referencesIn[enclosing].append(
            {relative + u'/' + MhlHistory::folderName() + u'/' + inner.chain().links.last().path,
             inner.chain().links.last().c4});
    }
    MhlManifest manifest = verification(findings, history, startedAt);
    manifest.references = referencesIn.take(QString());
    return history.append(manifest, startedAt);
}

} // namespace stowly
