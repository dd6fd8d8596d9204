#include "devices/SpaceInfo.h"

#include "devices/VolumeInfo.h"

#include <QCoreApplication>
#include <QLocale>

namespace stowly {

SpaceInfo SpaceInfo::make(const QString& folder, std::optional<qint64> required) {
    const std::optional<VolumeInfo::StatfsInfo> info = VolumeInfo::statfsInfo(folder);
    return make(VolumeInfo::availableBytes(info), VolumeInfo::totalBytes(info),
                VolumeInfo::readOnlyReason(info), required);
}

SpaceInfo SpaceInfo::make(std::optional<qint64> available, std::optional<qint64> total,
                          std::optional<QString> readOnlyReason, std::optional<qint64> required) {
    SpaceInfo s;
    s.available = available;
    s.total = total;
    s.required = required;
    s.readOnlyReason = std::move(readOnlyReason);
    s.freeText =
        available
            ? QCoreApplication::translate("SpaceInfo", "%1 available").arg(formatBytes(*available))
            : QCoreApplication::translate("SpaceInfo", "Free space unknown");
    s.isShort = available && required && *available < *required;
    if (required && *required >= 1)
        s.requirementText =
            QCoreApplication::translate("SpaceInfo", "needs %1").arg(formatBytes(*required));
    // Without a free figure there is nothing honest to draw.
    if (total && *total >= 1 && available) {
        // A volume that reports more free than total space still draws an empty bar.
        const qint64 used = std::max<qint64>(0, *total - *available);
        s.usedFraction = std::min(1.0, double(used) / double(*total));
    }
    return s;
}

QString SpaceInfo::formatBytes(qint64 bytes) {
    // Qt's own wording says "1 bytes".
    if (bytes == 1)
        return QCoreApplication::translate("SpaceInfo", "1 byte");
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace stowly
