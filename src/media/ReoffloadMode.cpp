#include "media/ReoffloadMode.h"

namespace stowly::reoffloadMode {

QString rawValue(ReoffloadMode mode) {
    switch (mode) {
    case ReoffloadMode::missing:
        return QStringLiteral("missing");
    case ReoffloadMode::everything:
        return QStringLiteral("everything");
    case ReoffloadMode::off:
        break;
    }
    return QStringLiteral("off");
}

std::optional<ReoffloadMode> fromRawValue(QStringView raw) {
    for (ReoffloadMode m : {ReoffloadMode::off, ReoffloadMode::missing, ReoffloadMode::everything})
        if (rawValue(m) == raw)
            return m;
    return std::nullopt;
}

} // namespace stowly::reoffloadMode
