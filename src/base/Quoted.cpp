#include "base/Quoted.h"

#include <QCoreApplication>

namespace stowly {

QString quoted(const QString& text) {
    return QCoreApplication::translate("Quoted", "“%1”").arg(text);
}

} // namespace stowly
