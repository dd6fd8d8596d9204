#include "copy/ReadBack.h"

#include "base/FileNames.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace stowly {
namespace {

// statfs magic numbers, as the kernel gives them.
constexpr unsigned long ext2To4 = 0xEF53;
constexpr unsigned long xfs = 0x58465342;
constexpr unsigned long btrfs = 0x9123683E;
constexpr unsigned long vfat = 0x4d44;
constexpr unsigned long exfat = 0x2011BAB0;
constexpr unsigned long ntfs3 = 0x7366746e;
constexpr unsigned long f2fs = 0xF2F52010;
constexpr unsigned long overlay = 0x794c7630;
constexpr unsigned long fuse = 0x65735546;
constexpr unsigned long cifs = 0xFF534D42;
constexpr unsigned long smb3 = 0xFE534D42;
constexpr unsigned long nfs = 0x6969;

// The line of /proc/self/mountinfo for one mount.
struct Mount {
    QByteArray point;
    QByteArray type;
    QByteArray options;
};

// mountinfo writes space, tab, newline and backslash in paths as octal escapes.
QByteArray unescaped(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3') {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool isUnder(const QByteArray& path, const QByteArray& point) {
    return point == "/" || path == point || path.startsWith(point + '/');
}

// The mount that holds `path` on `device`: of those on the device (bind mounts share it), the
// deepest whose mount point holds the path.
std::optional<Mount> mountOf(dev_t device, const QByteArray& path) {
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray id =
        QByteArray::number(major(device)) + ':' + QByteArray::number(minor(device));
    std::optional<Mount> found;
    bool foundHoldsPath = false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || fields[2] != id || dash < 6 || dash + 3 >= fields.size())
            continue;
        Mount mount{unescaped(fields[4]), fields[dash + 1], fields[dash + 3]};
        const bool holdsPath = isUnder(path, mount.point);
        if (!found ||
            (holdsPath && (!foundHoldsPath || mount.point.size() > found->point.size()))) {
            foundHoldsPath = holdsPath;
            found = std::move(mount);
        }
    }
    return found;
}

ReadBack ofPath(const QByteArray& path, int depth);

// An overlay is read from its upper layer's file system, where the copies are written.
ReadBack ofOverlay(const Mount& mount, int depth) {
    for (const QByteArray& option : mount.options.split(','))
        if (option.startsWith("upperdir="))
            return ofPath(unescaped(option.mid(9)), depth + 1);
    return ReadBack::unassured;
}

ReadBack ofFuse(const Mount& mount) {
    // FUSE on a block device reads its blocks from there; the network clients below fetch from
    // their server once the kernel's pages are gone. Any other daemon may answer from anywhere.
    if (mount.type == "fuseblk" || mount.type.startsWith("fuseblk."))
        return ReadBack::device;
    if (mount.type == "fuse.sshfs" || mount.type == "fuse.rclone" || mount.type == "fuse.smbnetfs")
        return ReadBack::share;
    return ReadBack::unassured;
}

ReadBack ofPath(const QByteArray& path, int depth) {
    struct statfs fileSystem {};
    struct stat info {};
    if (depth > 2 || ::statfs(path.constData(), &fileSystem) != 0 ||
        ::stat(path.constData(), &info) != 0)
        return ReadBack::unassured;
    switch (static_cast<unsigned long>(fileSystem.f_type) & 0xFFFFFFFFUL) {
    case ext2To4:
    case xfs:
    case btrfs:
    case vfat:
    case exfat:
    case ntfs3:
    case f2fs:
        return ReadBack::device;
    case cifs:
    case smb3:
    case nfs:
        return ReadBack::share;
    case overlay:
    case fuse: {
        char real[PATH_MAX];
        const QByteArray where = ::realpath(path.constData(), real) ? QByteArray(real) : path;
        const std::optional<Mount> mount = mountOf(info.st_dev, where);
        if (!mount)
            return ReadBack::unassured;
        return fileSystem.f_type == overlay ? ofOverlay(*mount, depth) : ofFuse(*mount);
    }
    default:
        return ReadBack::unassured;
    }
}

} // namespace

QString readBack::name(ReadBack readBack) {
    switch (readBack) {
    case ReadBack::device:
        return QStringLiteral("device");
    case ReadBack::share:
        return QStringLiteral("share");
    case ReadBack::unassured:
        return QStringLiteral("unassured");
    }
    return {};
}

std::optional<ReadBack> readBack::fromName(const QString& name) {
    for (const ReadBack readBack : {ReadBack::device, ReadBack::share, ReadBack::unassured})
        if (name == readBack::name(readBack))
            return readBack;
    return std::nullopt;
}

QString readBack::description(ReadBack readBack) {
    switch (readBack) {
    case ReadBack::device:
        return QCoreApplication::translate("ReadBack", "Read back from the drive around its cache");
    case ReadBack::share:
        return QCoreApplication::translate(
            "ReadBack", "Read back from the share after the local cache was dropped");
    case ReadBack::unassured:
        return QCoreApplication::translate(
            "ReadBack",
            "Read back through a cache: the copies could not be read from the drive itself");
    }
    return {};
}

ReadBack readBack::weaker(ReadBack a, ReadBack b) {
    // The cases are in order of strength.
    return std::max(a, b);
}

ReadBack readBackOf(const QString& folder) {
    return ofPath(fileNames::encode(folder), 0);
}

} // namespace stowly
