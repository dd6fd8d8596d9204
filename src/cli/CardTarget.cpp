#include "cli/CardTarget.h"

#include "cli/Console.h"

#include "devices/VolumeFacts.h"

#include <QDir>
#include <QFileInfo>

namespace stowly {
namespace {

QString lastComponent(const QString& path) {
    return path.section(u'/', -1, -1, QString::SectionSkipEmpty);
}

const QString startupDisk = QStringLiteral("That’s your startup disk.");

} // namespace

std::variant<CardVolume, QString> CardTarget::resolve(const QString& path,
                                                      const VolumeFacts& volumes) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("There’s no folder at “") + path + QStringLiteral("”.");
    if (!info.isDir())
        return QStringLiteral("“") + path + QStringLiteral("” isn’t a folder.");
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
            return startupDisk;
        CardVolume card;
        card.url = candidate;
        card.name = resources->name && !resources->name->isEmpty() ? *resources->name
                                                                   : lastComponent(candidate);
        card.uuid = resources->uuid;
        return card;
    }
    if (lastComponent(absolute).isEmpty())
        return startupDisk;
    return CardVolume{absolute, lastComponent(absolute), std::nullopt};
}

std::optional<CardVolume>
CardTarget::resolveOrReport(const QString& path, const VolumeFacts& volumes, Console& console) {
    auto target = resolve(path, volumes);
    if (const QString* problem = std::get_if<QString>(&target)) {
        console.message(*problem);
        return std::nullopt;
    }
    return std::get<CardVolume>(std::move(target));
}

} // namespace stowly
