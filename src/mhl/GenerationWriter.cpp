#include "mhl/GenerationWriter.h"

#include "mhl/DirectoryHashes.h"
#include "mhl/IgnoreList.h"
#include "mhl/ManifestXml.h"
#include "mhl/MhlHistory.h"

#include <QCoreApplication>
#include <QSet>
#include <QSysInfo>

namespace stowly {

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
        entry.hashes.append(
            {HashFormat::xxh128, file.xxh128.toLower(), MhlManifest::Action::original,
             file.hashDate.isValid() ? std::optional(file.hashDate.toUTC()) : std::nullopt});
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
        paths.insert(file.relativePath);
    }
    auto loaded = MhlHistory::load(folder);
    if (const QString* problem = std::get_if<QString>(&loaded))
        return *problem;
    MhlHistory& history = std::get<MhlHistory>(loaded);
    const QStringList patterns =
        IgnoreList::merged(history.ignorePatterns(), IgnoreList::defaults());
    return history.append(manifest(files, info, patterns), info.startedAt);
}

} // namespace stowly
