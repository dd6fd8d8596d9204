#pragma once

#include <QString>

namespace stowly {

// Where Stowly keeps its files, following the XDG base directories.
class AppFolders {
public:
    // ~/.local/share/Stowly: the history and the stores.
    static QString appSupport();
    // ~/.config/Stowly/Stowly.conf: the preferences.
    static QString preferencesFile();
    // ~/.local/state/Stowly: the log and crash reports.
    static QString state();
    // The predecessor's folder and preferences, read once by the migration.
    static QString predecessorSupport();
    static QString predecessorPreferencesFile();
};

} // namespace stowly
