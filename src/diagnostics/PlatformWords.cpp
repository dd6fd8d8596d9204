#include "diagnostics/PlatformWords.h"

namespace stowly {

// Linux's words; a port to another system gives its own here (macOS: "macOS", "Mac",
// "Unknown Mac", and the note pointing to Console ▸ Crash Reports).

QString PlatformWords::systemName() {
    return QStringLiteral("Linux");
}

QString PlatformWords::machineLabel() {
    return QStringLiteral("Computer");
}

QString PlatformWords::unknownMachine() {
    return QStringLiteral("Unknown computer");
}

QString PlatformWords::unknownChip() {
    return QStringLiteral("Unknown chip");
}

QString PlatformWords::crashReportNotAttached(const QString& folder) {
    return QStringLiteral("(The crash report couldn’t be attached. It’s in the folder ") + folder +
           QStringLiteral(".)");
}

} // namespace stowly
