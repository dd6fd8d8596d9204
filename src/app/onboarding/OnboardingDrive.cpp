#include "app/onboarding/OnboardingDrive.h"

#include "devices/DriveName.h"
#include "devices/VolumeFacts.h"
#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"
#include "media/CameraMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace stowly {
namespace {

// The nearest folder that exists on the way up, so a movies folder not made yet is still
// measured on the file system it will be made on.
QString existingFolderAtOrAbove(QString path) {
    while (!path.isEmpty() && !QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return QStringLiteral("/");
        path = parent;
    }
    return path.isEmpty() ? QStringLiteral("/") : path;
}

void measure(OnboardingDrive& drive, const QString& path, const VolumeFacts& facts) {
    const std::optional<VolumeInfo::StatfsInfo> info = VolumeInfo::statfsInfo(path, facts);
    const std::optional<qint64> total = VolumeInfo::totalBytes(info);
    if (total && *total > 0)
        drive.totalBytes = total;
    drive.freeBytes = VolumeInfo::availableBytes(info);
}

bool holdsCameraMedia(const QString& root) {
    const std::optional<QStringList> names = CameraMedia::diskList(root);
    if (!names)
        return false;
    QStringList visible;
    for (const QString& name : *names)
        if (!name.startsWith(u'.'))
            visible.append(name);
    return CameraMedia::hasCameraFolders(root, visible);
}

bool isOfferedDrive(const VolumeResources& r, const VolumeFacts& facts) {
    if (!VolumePaths::isUnderMountRoots(r.path))
        return false;
    if (r.isReadOnly != false || r.isRemovable.value_or(false))
        return false;
    const VolumeTraits traits = VolumeTraits::read(r.path, facts);
    if (traits.isRemovable || traits.isDiskImage || traits.isBackup)
        return false;
    return !holdsCameraMedia(r.path);
}

} // namespace

QList<OnboardingDrive> OnboardingDrive::live() {
    return live(VolumeFacts::platform());
}

QList<OnboardingDrive> OnboardingDrive::live(const VolumeFacts& facts) {
    QList<OnboardingDrive> drives;
    for (const QString& path : facts.mountedVolumes()) {
        const std::optional<VolumeResources> r = facts.resources(path);
        if (!r || r->isHidden)
            continue;
        OnboardingDrive drive;
        if (r->isRootFileSystem.value_or(false)) {
            drive.name = driveName(*r);
            drive.kind = QCoreApplication::translate("OnboardingDrive", "Internal");
            drive.suggestedPath = moviesFolder();
            drive.isInternal = true;
            // The home folder may be a file system of its own; what counts is the space where
            // the suggested folder goes.
            measure(drive, existingFolderAtOrAbove(drive.suggestedPath), facts);
        } else if (isOfferedDrive(*r, facts)) {
            drive.name = driveName(*r);
            drive.kind = r->isInternal.value_or(false)
                             ? QCoreApplication::translate("OnboardingDrive", "Internal")
                             : QCoreApplication::translate("OnboardingDrive", "External");
            drive.suggestedPath = path;
            measure(drive, path, facts);
        } else {
            continue;
        }
        drives.append(drive);
    }
    std::stable_sort(drives.begin(), drives.end(),
                     [](const OnboardingDrive& a, const OnboardingDrive& b) {
                         return !a.isInternal && b.isInternal;
                     });
    return drives;
}

QString OnboardingDrive::moviesFolder() {
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::MoviesLocation);
    if (!folders.isEmpty() && !folders.first().isEmpty())
        return folders.first();
    return QDir::homePath() + QStringLiteral("/Movies");
}

} // namespace stowly
