#include "mhl/DirectoryHashes.h"

#include "copy/FormatHasher.h"

#include <QMap>

namespace stowly {
namespace {

struct Folder {
    // Child name → value, per format, for content and structure.
    QMap<HashFormat, QMap<QString, QString>> content;
    QMap<HashFormat, QMap<QString, QString>> structure;
};

QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

QString nameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString valueOf(const MhlManifest::File& file, HashFormat format) {
    for (const MhlManifest::Hash& hash : file.hashes)
        if (hash.format == format)
            return hash.value;
    return {};
}

} // namespace

QString DirectoryHashes::combine(HashFormat format, QStringList values) {
    values.sort();
    QByteArray bytes;
    for (const QString& value : values)
        bytes += hashFormat::decode(format, value).value_or(QByteArray());
    return FormatHasher::of(format, bytes);
}

DirectoryHashes::Result DirectoryHashes::compute(const QList<MhlManifest::File>& files,
                                                 const QList<HashFormat>& formats) {
    QList<HashFormat> usable;
    for (const HashFormat format : formats)
        if (std::all_of(files.begin(), files.end(),
                        [&](const auto& file) { return !valueOf(file, format).isEmpty(); }))
            usable.append(format);

    QMap<QString, Folder> folders;
    folders[QString()];
    for (const MhlManifest::File& file : files) {
        Folder& folder = folders[parentOf(file.path)];
        for (const HashFormat format : usable) {
            folder.content[format][nameOf(file.path)] = valueOf(file, format);
            folder.structure[format][nameOf(file.path)] = valueOf(file, format);
        }
        for (QString path = parentOf(file.path); !path.isEmpty(); path = parentOf(path))
            folders[parentOf(path)];
    }
    // Longest paths first: every sub-folder is done before its parent needs its hashes.
    QStringList order = folders.keys();
    std::stable_sort(order.begin(), order.end(), [](const QString& a, const QString& b) {
        return a.count(u'/') + !a.isEmpty() > b.count(u'/') + !b.isEmpty();
    });

    Result result;
    for (const QString& path : order) {
        const Folder& folder = folders[path];
        MhlManifest::Directory directory;
        directory.path = path;
        for (const HashFormat format : usable) {
            const QString content = combine(format, folder.content[format].values());
            QStringList named;
            for (auto [name, value] : folder.structure[format].asKeyValueRange())
                named.append(FormatHasher::of(
                    format,
                    name.toUtf8() + hashFormat::decode(format, value).value_or(QByteArray())));
            const QString structure = combine(format, named);
            directory.content.append({format, content, std::nullopt, std::nullopt});
            directory.structure.append({format, structure, std::nullopt, std::nullopt});
            if (!path.isEmpty()) {
                Folder& parent = folders[parentOf(path)];
                parent.content[format][nameOf(path)] = content;
                parent.structure[format][nameOf(path)] = structure;
            }
        }
        if (path.isEmpty())
            result.root = directory;
        else
            result.directories.append(directory);
    }
    return result;
}

} // namespace stowly
