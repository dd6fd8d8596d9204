#include "app/FolderMounts.h"

#include "media/FileNames.h"

#include <QFile>

namespace stowly {
namespace {

// The kernel writes space, tab, newline and backslash in paths as octal escapes ("\040").
QString unescape(QByteArrayView field) {
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArrayView digits = field.sliced(i + 1, 3);
            bool ok = digits.size() == 3;
            int value = 0;
            for (const char c : digits) {
                if (c < '0' || c > '7')
                    ok = false;
                value = value * 8 + (c - '0');
            }
            if (ok && value < 256) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(field[i]);
    }
    return fileNames::decode(bytes);
}

} // namespace

QList<FolderMount> FolderMounts::read(const QString& mountInfoPath) {
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Files in /proc report no size: read until the end.
    return parse(file.readAll());
}

QList<FolderMount> FolderMounts::parse(const QByteArray& text) {
    QList<FolderMount> mounts;
    for (const QByteArray& line : text.split('\n')) {
        // id parent major:minor root mountpoint options [optional…] - fstype source superoptions
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf(QByteArray("-"));
        if (fields.size() < 5 || separator < 5 || separator + 1 >= fields.size())
            continue;
        mounts.append(FolderMount{unescape(fields[4]), unescape(fields[3]),
                                  QString::fromUtf8(fields[separator + 1])});
    }
    return mounts;
}

bool FolderMounts::contains(const QString& folder, const QString& path) {
    if (folder == u"/")
        return path.startsWith(u'/');
    return path == folder || (path.startsWith(folder) && path.at(folder.size()) == u'/');
}

std::optional<FolderMount> FolderMounts::holding(const QList<FolderMount>& mounts,
                                                 const QString& path) {
    std::optional<FolderMount> best;
    for (const FolderMount& mount : mounts)
        if (contains(mount.mountPoint, path) &&
            (!best || mount.mountPoint.size() >= best->mountPoint.size()))
            best = mount;
    return best;
}

} // namespace stowly
