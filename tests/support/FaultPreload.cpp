#include "support/FaultPreload.h"

#include <QFile>
#include <QFileInfo>

#include <link.h>

namespace stowly::test {

QString faultPreload(const QStringList& libraries) {
    QStringList preload;
    ::dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const QString path = QFile::decodeName(info->dlpi_name);
            if (QFileInfo(path).fileName().startsWith(QLatin1StringView("libasan.so")))
                static_cast<QStringList*>(found)->append(path);
            return 0;
        },
        &preload);
    return (preload + libraries).join(u' ');
}

} // namespace stowly::test
