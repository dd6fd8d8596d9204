#include "devices/DriveName.h"

#include "base/PlatformWords.h"
#include "devices/VolumeFacts.h"

namespace stowly {

QString driveName(const VolumeResources& volume) {
    if (volume.name && !volume.name->isEmpty())
        return *volume.name;
    const QString last = volume.path.section(u'/', -1, -1, QString::SectionSkipEmpty);
    if (!last.isEmpty())
        return last;
    QString computer = platformWords::computer();
    if (!computer.isEmpty())
        computer[0] = computer[0].toUpper();
    return computer;
}

QString driveNameOf(const QString& folder, const VolumeFacts& facts) {
    QString holder;
    for (const QString& mount : facts.mountedVolumes()) {
        const bool holds = folder == mount || mount == QStringLiteral("/") ||
                           folder.startsWith(mount.endsWith(u'/') ? mount : mount + u'/');
        if (holds && mount.size() > holder.size())
            holder = mount;
    }
    const auto volume = holder.isEmpty() ? std::nullopt : facts.resources(holder);
    return volume ? driveName(*volume) : folder;
}

} // namespace stowly
