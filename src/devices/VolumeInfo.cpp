#include "devices/VolumeInfo.h"

#include "base/PlatformWords.h"
#include "devices/VolumeFacts.h"

#include <QCoreApplication>
#include <QFile>

#include <limits>

#include <sys/statvfs.h>

namespace stowly {
namespace {

qint64 bytes(unsigned long long blocks, unsigned long long blockSize) {
    constexpr auto most = static_cast<unsigned long long>(std::numeric_limits<qint64>::max());
    if (blockSize != 0 && blocks > most / blockSize)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(blocks * blockSize);
}

} // namespace

std::optional<VolumeInfo::StatfsInfo> VolumeInfo::statfsInfo(const QString& path) {
    return statfsInfo(path, VolumeFacts::platform());
}

std::optional<VolumeInfo::StatfsInfo> VolumeInfo::statfsInfo(const QString& path,
                                                             const VolumeFacts& facts) {
    struct statvfs s {};
    if (path.isEmpty() || ::statvfs(QFile::encodeName(path).constData(), &s) != 0)
        return std::nullopt;
    StatfsInfo info;
    const unsigned long long blockSize = s.f_frsize ? s.f_frsize : s.f_bsize;
    info.availableBytes = bytes(s.f_bavail, blockSize);
    info.totalBytes = bytes(s.f_blocks, blockSize);
    info.isReadOnly = (s.f_flag & ST_RDONLY) != 0;
    info.fsType = facts.fileSystemTypeAt(path).value_or(QString());
    return info;
}

std::optional<qint64> VolumeInfo::availableBytes(const QString& path) {
    return availableBytes(statfsInfo(path));
}

std::optional<qint64> VolumeInfo::totalBytes(const QString& path) {
    return totalBytes(statfsInfo(path));
}

std::optional<QString> VolumeInfo::readOnlyReason(const QString& path) {
    return readOnlyReason(statfsInfo(path));
}

// Linux has no separate capacity figures beside statfs, so statfs alone answers; a full
// volume must read as 0, never as unknown, or a full destination would not block an offload.
std::optional<qint64> VolumeInfo::availableBytes(const std::optional<StatfsInfo>& info) {
    if (!info)
        return std::nullopt;
    return info->availableBytes > 0 ? info->availableBytes : 0;
}

std::optional<qint64> VolumeInfo::totalBytes(const std::optional<StatfsInfo>& info) {
    if (!info)
        return std::nullopt;
    return info->totalBytes;
}

std::optional<QString> VolumeInfo::readOnlyReason(const std::optional<StatfsInfo>& info) {
    if (!info || !info->isReadOnly)
        return std::nullopt;
    const std::optional<QString> type =
        info->fsType.isEmpty() ? std::nullopt : std::optional<QString>(info->fsType);
    return readOnlyMessage(formatName(type, std::nullopt));
}

std::optional<QString> VolumeInfo::formatName(const std::optional<QString>& fsType,
                                              const std::optional<QString>& description) {
    if (fsType) {
        const QString type = fsType->toLower();
        // "fuseblk" is the FUSE block driver; on the desktops we run on that is ntfs-3g far
        // more often than anything else, and a read-only one is almost always a hibernated
        // Windows disk.
        static const QStringList ntfs = {
            QStringLiteral("ntfs"),         QStringLiteral("ntfs3"),
            QStringLiteral("ntfs-3g"),      QStringLiteral("fuseblk"),
            QStringLiteral("fuse.ntfs-3g"), QStringLiteral("ufsd_ntfs"),
            QStringLiteral("tuxera_ntfs")};
        if (ntfs.contains(type))
            return QStringLiteral("NTFS");
        if (type == u"exfat" || type == u"fuse.exfat")
            return QStringLiteral("exFAT");
        if (type == u"msdos" || type == u"vfat" || type == u"fat")
            return QStringLiteral("FAT32");
        if (type == u"hfs" || type == u"hfsplus")
            return QStringLiteral("Mac OS Extended");
        if (type == u"apfs" || type == u"fuse.apfs")
            return QStringLiteral("APFS");
    }
    if (description && !description->isEmpty()) {
        if (description->contains(QStringLiteral("NTFS"), Qt::CaseInsensitive))
            return QStringLiteral("NTFS");
        return description;
    }
    return fsType;
}

QString VolumeInfo::readOnlyMessage(const std::optional<QString>& format) {
    if (!format)
        return QCoreApplication::translate(
            "VolumeInfo", "This drive is read-only, so Stowly can’t write to it — choose another");
    if (*format == u"NTFS")
        return QCoreApplication::translate("VolumeInfo",
                                           "This drive is read-only (NTFS). %1 can’t write to it.")
            .arg(platformWords::systemName());
    return QCoreApplication::translate(
               "VolumeInfo",
               "This drive is read-only (%1), so Stowly can’t write to it — choose another")
        .arg(*format);
}

} // namespace stowly
