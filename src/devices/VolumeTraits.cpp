#include "devices/VolumeTraits.h"

#include "devices/VolumeFacts.h"

#include <QFileInfo>

namespace stowly {
namespace {

QString flag(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

VolumeTraits VolumeTraits::read(const QString& path) {
    return read(path, VolumeFacts::platform());
}

VolumeTraits VolumeTraits::read(const QString& path, const VolumeFacts& facts) {
    VolumeTraits traits;
    traits.path = path;
    if (const std::optional<VolumeResources> r = facts.resources(path)) {
        traits.isRemovable = r->isRemovable.value_or(false);
        traits.isEjectable = r->isEjectable.value_or(false);
        traits.isInternal = r->isInternal;
        traits.isLocal = r->isLocal.value_or(true);
        traits.isRootFileSystem = r->isRootFileSystem.value_or(false);
        traits.isDiskImage = r->isDiskImage;
    }
    traits.isBackup = isBackupDisk(path);
    return traits;
}

bool VolumeTraits::isBackupDisk(const QString& path) {
    static const char* const markers[] = {".com.apple.timemachine.donotpresent", "Backups.backupdb",
                                          ".com.apple.TMCheckpoint"};
    for (const char* marker : markers)
        if (QFileInfo::exists(path + u'/' + QLatin1String(marker)))
            return true;
    return false;
}

QString VolumeTraits::logDescription() const {
    return QStringLiteral("removable ") + flag(isRemovable) + QStringLiteral(", ejectable ") +
           flag(isEjectable) + QStringLiteral(", internal ") +
           (isInternal ? flag(*isInternal) : QStringLiteral("unknown")) +
           QStringLiteral(", local ") + flag(isLocal) + QStringLiteral(", root ") +
           flag(isRootFileSystem) + QStringLiteral(", disk image ") + flag(isDiskImage) +
           QStringLiteral(", backup ") + flag(isBackup);
}

} // namespace stowly
