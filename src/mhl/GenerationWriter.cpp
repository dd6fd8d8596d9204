#include "mhl/GenerationWriter.h"

#include "mhl/DirectoryHashes.h"
#include "mhl/IgnoreList.h"
#include "mhl/ManifestXml.h"
#include "mhl/MhlHistory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSysInfo>

#include <algorithm>

namespace stowly {
namespace {

struct Recorded {
    QList<MhlManifest::Directory> folders;
    std::optional<MhlManifest::Directory> root;
};

// The hashes of the folders that hold this generation's files and whose every file on disk the
// history records (this generation included), deepest first, and the whole folder's when that
// holds nothing unrecorded: computed from the recorded values, so nothing is read again.
Recorded recordedFolders(const QString& scope, const MhlHistory& history,
                         const MhlManifest& generation) {
    QHash<QString, MhlManifest::File> recorded;
    for (const MhlManifest::File& file : history.recordedFiles())
        recorded.insert(file.path, file);
    for (const MhlManifest::File& file : generation.files)
        recorded.insert(file.path, file);
    QSet<QString> candidates;
    for (const MhlManifest::File& file : generation.files)
        for (QString path = file.path; path.lastIndexOf(u'/') > 0;) {
            path.truncate(path.lastIndexOf(u'/'));
            candidates.insert(path);
        }
    QStringList folders = candidates.values();
    std::sort(folders.begin(), folders.end(), [](const QString& a, const QString& b) {
        const qsizetype depthA = a.count(u'/'), depthB = b.count(u'/');
        return depthA != depthB ? depthA > depthB : a < b;
    });
    // The root ("") last: the one that lists the most.
    if (!generation.files.isEmpty())
        folders << QString();

    const IgnoreList ignore(generation.ignorePatterns);
    Recorded result;
    for (const QString& folder : folders) {
        QList<MhlManifest::File> files;
        bool complete = true;
        for (const QString& path : ignore.filesBelow(scope, folder)) {
            const auto found = recorded.constFind(path);
            if (found == recorded.cend() ||
                (found->size && *found->size != QFileInfo(scope + u'/' + path).size())) {
                complete = false;
                break;
            }
            files << *found;
        }
        if (!complete || files.isEmpty())
            continue;
        const DirectoryHashes::Result hashes =
            DirectoryHashes::compute(files, {HashFormat::xxh128});
        if (folder.isEmpty() && !hashes.root.content.isEmpty())
            result.root = hashes.root;
        for (const MhlManifest::Directory& directory : hashes.directories)
            if (directory.path == folder && !directory.content.isEmpty())
                result.folders << directory;
    }
    return result;
}

} // namespace

MhlManifest GenerationWriter::manifest(const QList<File>& files, const Info& info,
                                       const QStringList& ignorePatterns) {
    MhlManifest manifest;
    manifest.creationDate = info.startedAt.toUTC();
    manifest.hostName = info.hostName.isEmpty() ? QSysInfo::machineHostName() : info.hostName;
    manifest.toolName = QStringLiteral("Stowly");
    manifest.toolVersion = QStringLiteral(STOWLY_VERSION);
    manifest.comment = info.comment;
    manifest.process = info.process;
    manifest.ignorePatterns = ignorePatterns;
    for (const File& file : files) {
        MhlManifest::File entry;
        entry.path = file.relativePath;
        entry.size = file.size;
        if (file.modified.isValid())
            entry.lastModificationDate = file.modified.toUTC();
        const std::optional<QDateTime> hashDate =
            file.hashDate.isValid() ? std::optional(file.hashDate.toUTC()) : std::nullopt;
        entry.hashes.append(
            {HashFormat::xxh128, file.xxh128.toLower(), MhlManifest::Action::original, hashDate});
        for (auto [name, value] : file.hashes.asKeyValueRange()) {
            const std::optional<HashFormat> format = hashFormat::fromName(name);
            if (format && *format != HashFormat::xxh128)
                entry.hashes.append({*format, *format == HashFormat::c4 ? value : value.toLower(),
                                     MhlManifest::Action::original, hashDate});
        }
        // The order a hash entry lists its formats in.
        std::stable_sort(entry.hashes.begin(), entry.hashes.end(),
                         [](const MhlManifest::Hash& a, const MhlManifest::Hash& b) {
                             return a.format < b.format;
                         });
        manifest.files.append(entry);
    }
    if (info.coversWholeFolder) {
        DirectoryHashes::Result folders =
            DirectoryHashes::compute(manifest.files, {HashFormat::xxh128});
        manifest.directories = folders.directories;
        manifest.rootHash = folders.root;
    }
    return manifest;
}

std::optional<QString> GenerationWriter::write(const QString& folder, const QList<File>& files,
                                               const Info& info) {
    // Refused here rather than written into a manifest that no reader would accept.
    QSet<QString> paths;
    for (const File& file : files) {
        if (!ManifestXml::isSafePath(file.relativePath) || paths.contains(file.relativePath))
            return QCoreApplication::translate("GenerationWriter",
                                               "“%1” can’t be recorded in the ASC MHL history: "
                                               "the path is recorded twice or leaves the folder.")
                .arg(file.relativePath);
        if (!hashFormat::decode(HashFormat::xxh128, file.xxh128))
            return QCoreApplication::translate("GenerationWriter",
                                               "“%1” can’t be recorded in the ASC MHL history: "
                                               "its XXH3-128 value isn’t one.")
                .arg(file.relativePath);
        for (auto [name, value] : file.hashes.asKeyValueRange()) {
            const std::optional<HashFormat> format = hashFormat::fromName(name);
            if (!format || *format == HashFormat::xxh128 || !hashFormat::decode(*format, value))
                return QCoreApplication::translate("GenerationWriter",
                                                   "“%1” can’t be recorded in the ASC MHL "
                                                   "history: its %2 value isn’t one.")
                    .arg(file.relativePath, name);
        }
        paths.insert(file.relativePath);
    }
    auto loaded = MhlHistory::load(folder);
    if (const QString* problem = std::get_if<QString>(&loaded))
        return *problem;
    MhlHistory& history = std::get<MhlHistory>(loaded);
    const QStringList patterns =
        IgnoreList::merged(history.ignorePatterns(), IgnoreList::defaults());
    MhlManifest generation = manifest(files, info, patterns);
    if (!info.coversWholeFolder) {
        const Recorded recorded = recordedFolders(folder, history, generation);
        generation.directories = recorded.folders;
        generation.rootHash = recorded.root;
    }
    return history.append(generation, info.startedAt);
}

} // namespace stowly
