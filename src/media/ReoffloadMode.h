#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <optional>

namespace stowly {

namespace reoffloadMode {
Q_NAMESPACE

// How files that were offloaded before are treated: only new files are copied (off), missing
// copies are copied again (missing), or everything is copied again as new copies.
enum class ReoffloadMode { off, missing, everything };
Q_ENUM_NS(ReoffloadMode)

QString rawValue(ReoffloadMode mode);
std::optional<ReoffloadMode> fromRawValue(QStringView raw);
} // namespace reoffloadMode

using reoffloadMode::ReoffloadMode;

} // namespace stowly
