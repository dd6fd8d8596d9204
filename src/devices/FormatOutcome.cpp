#include "devices/FormatOutcome.h"

namespace stowly {

QString FormatOutcome::description() const {
    switch (kind) {
    case Kind::formatted:
        return QStringLiteral("formatted(") + text + QStringLiteral(", ") +
               mountPoint.value_or(QStringLiteral("not mounted")) + u')';
    case Kind::refused:
        return QStringLiteral("refused(") + text + u')';
    case Kind::failed:
        return QStringLiteral("failed(") + text + u')';
    }
    return {};
}

} // namespace stowly
