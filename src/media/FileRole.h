#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <optional>

namespace stowly {

namespace fileRole {
Q_NAMESPACE

// The part a file plays beside its clip.
enum class FileRole { main, proxy, sidecar };
Q_ENUM_NS(FileRole)

QString rawValue(FileRole role);
std::optional<FileRole> fromRawValue(QStringView raw);
} // namespace fileRole

using fileRole::FileRole;

} // namespace stowly
