#include "media/ScanFailure.h"

#include <QCoreApplication>

namespace stowly {

QString ScanFailure::description() const {
    if (path.isEmpty())
        return QCoreApplication::translate("ScanFailure", "Stowly couldn’t read this card (%1).")
            .arg(reason);
    return QCoreApplication::translate("ScanFailure",
                                       "Stowly couldn’t read “%1” on this card (%2).")
        .arg(path, reason);
}

} // namespace stowly
