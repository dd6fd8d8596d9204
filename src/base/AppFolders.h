#pragma once

#include <QString>

namespace stowly {

// Where Stowly keeps its files, following the XDG base directories.
namespace AppFolders {
// ~/.local/share/Stowly: the history and the stores.
QString appSupport();
// ~/.config/Stowly/Stowly.conf: the preferences.
QString preferencesFile();
// ~/.local/state/Stowly: the log and crash reports.
QString state();
// The predecessor's folder and preferences, read once by the migration.
QString predecessorSupport();
QString predecessorPreferencesFile();
} // namespace AppFolders

} // namespace stowly
