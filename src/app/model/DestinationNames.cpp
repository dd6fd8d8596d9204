#include "app/model/DestinationNames.h"

#include "devices/VolumeFacts.h"

#include <QDir>
#include <QFileInfo>

namespace stowly {

DestinationNameRules DestinationNames::rules(const QStringList& roots, const VolumeFacts& volumes) {
    QList<DestinationNameRules> all;
    for (const QString& root : roots) {
        if (root.isEmpty())
            continue;
        QString path = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
        while (!QFileInfo::exists(path) && path != QDir::rootPath())
            path = QFileInfo(path).path();
        if (const std::optional<QString> type = volumes.fileSystemTypeAt(path))
            all.append(DestinationNameRules::forFileSystem(*type));
    }
    return DestinationNameRules::strictest(all);
}

} // namespace stowly
