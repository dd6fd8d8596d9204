#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace stowly {

// How files that were offloaded before are treated: only new files are copied (off), missing
// copies are copied again (missing), or everything is copied again as new copies.
enum class ReoffloadMode { off, missing, everything };

namespace reoffloadMode {
QString rawValue(ReoffloadMode mode);
std::optional<ReoffloadMode> fromRawValue(QStringView raw);
} // namespace reoffloadMode

} // namespace stowly
