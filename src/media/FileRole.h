#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace stowly {

// The part a file plays beside its clip.
enum class FileRole { main, proxy, sidecar };

namespace fileRole {
QString rawValue(FileRole role);
std::optional<FileRole> fromRawValue(QStringView raw);
} // namespace fileRole

} // namespace stowly
