#include "media/FileRole.h"

#include "base/EnumNames.h"

namespace stowly::fileRole {

QString rawValue(FileRole role) {
    return enumNames::name(role);
}

std::optional<FileRole> fromRawValue(QStringView raw) {
    return enumNames::fromName<FileRole>(raw);
}

} // namespace stowly::fileRole
