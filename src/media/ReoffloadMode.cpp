#include "media/ReoffloadMode.h"

#include "base/EnumNames.h"

namespace stowly::reoffloadMode {

QString rawValue(ReoffloadMode mode) {
    return enumNames::name(mode);
}

std::optional<ReoffloadMode> fromRawValue(QStringView raw) {
    return enumNames::fromName<ReoffloadMode>(raw);
}

} // namespace stowly::reoffloadMode
