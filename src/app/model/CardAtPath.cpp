#include "app/model/CardAtPath.h"

#include "devices/VolumeFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace stowly {
namespace {

QString lastComponent(const QString& path) {
    return path.section(u'/', -1, -1, QString::SectionSkipEmpty);
}

QString startupDisk() {
    return QCoreApplication::translate("CardAtPath", "That’s your startup disk.");
}

} // namespace

std::variant<CardVolume, QString> cardAtPath(const QString& path, const VolumeFacts& volumes) {
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("CardAtPath", "There’s no folder at “%1”.").arg(path);
    if (!info.isDir())
        return QCoreApplication::translate("CardAtPath", "“%1” isn’t a folder.").arg(path);
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    // A link to a mount point names that volume too.
    QStringList candidates{absolute};
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() && canonical != absolute)
        candidates.append(canonical);
    for (const QString& candidate : candidates) {
        const std::optional<VolumeResources> resources = volumes.resources(candidate);
        if (!resources)
            continue;
        if (resources->isRootFileSystem.value_or(candidate == u"/"))
            return startupDisk();
        CardVolume card;
        card.url = candidate;
        card.name = resources->name && !resources->name->isEmpty() ? *resources->name
                                                                   : lastComponent(candidate);
        card.uuid = resources->uuid;
        return card;
    }
    if (lastComponent(absolute).isEmpty())
        return startupDisk();
    return CardVolume{absolute, lastComponent(absolute), std::nullopt};
}

} // namespace stowly
