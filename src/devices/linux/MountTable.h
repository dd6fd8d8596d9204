#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// One line of /proc/self/mountinfo.
struct MountEntry {
    int id = 0;
    int parentId = 0;
    QString majorMinor; // "8:17"
    QString root;
    QString mountPoint;
    QString options;
    QString fsType; // "fuse.sshfs" keeps its subtype
    QString source;
    QString superOptions;

    bool isReadOnly() const;
    int major() const { return majorMinor.section(u':', 0, 0).toInt(); }
    // The system's own pseudo file systems and run-time folders: never a volume to show.
    bool isHidden() const;
    // Network file systems.
    bool isNetwork() const;

    friend bool operator==(const MountEntry&, const MountEntry&) = default;
};

// The kernel's mount table.
namespace MountTable {
// None when the file cannot be read.
// This process's mount table.
QString standardPath();
std::optional<QList<MountEntry>> read(const QString& mountInfoPath);
QList<MountEntry> parse(const QByteArray& text);
// Undoes the kernel's octal escapes ("\040" for a space) and decodes the file name bytes.
QString unescape(QByteArrayView field);

// The entry mounted exactly at path; of stacked mounts the topmost (the last listed).
std::optional<MountEntry> at(const QList<MountEntry>& entries, const QString& path);
// The entry whose volume holds path (links resolved): the deepest mount point that
// contains it.
std::optional<MountEntry> holding(const QList<MountEntry>& entries, const QString& path);

// The same two, read from the table file; none when it cannot be read.
std::optional<MountEntry> readAt(const QString& mountInfoPath, const QString& path);
std::optional<MountEntry> readHolding(const QString& mountInfoPath, const QString& path);
} // namespace MountTable

} // namespace stowly
