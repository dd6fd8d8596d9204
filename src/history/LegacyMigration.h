#pragma once

#include <QString>

class QSettings;

namespace stowly {

// One-time takeover of the predecessor's files and preferences. Silent: every failure is
// passed over, and the marker is set whether or not anything was found.
namespace LegacyMigration {
void run(QSettings& own, QSettings& predecessor, const QString& predecessorFolder,
         const QString& appFolder);
// With the standard locations.
void run();

inline constexpr const char* markerKey = "migratedFromFlickBox";
} // namespace LegacyMigration

} // namespace stowly
