#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// One mounted file system, as the folder bookmarks need it.
struct FolderMount {
    QString mountPoint;
    // The folder of the file system that is mounted there ("/" for a whole volume).
    QString root;
    QString fsType;

    friend bool operator==(const FolderMount&, const FolderMount&) = default;
};

// The kernel's table of mounts (/proc/self/mountinfo).
class FolderMounts {
public:
    // Empty when the table cannot be read.
    static QList<FolderMount>
    read(const QString& mountInfoPath = QStringLiteral("/proc/self/mountinfo"));
    static QList<FolderMount> parse(const QByteArray& text);
    // The mount whose file system holds the path (already free of links): the deepest mount
    // point containing it, the last listed of equal ones (it hides the others).
    static std::optional<FolderMount> holding(const QList<FolderMount>& mounts,
                                              const QString& path);
    // "/a/b" lies in "/a" and in "/", not in "/ab".
    static bool contains(const QString& folder, const QString& path);
};

} // namespace stowly
