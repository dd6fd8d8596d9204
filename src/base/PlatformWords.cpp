#include "base/PlatformWords.h"

namespace stowly::platformWords {

// Linux's words; a port to another system gives its own here (macOS: "macOS", "Mac",
// "Unknown Mac", and the note pointing to Console ▸ Crash Reports).

QString systemName() {
    return QStringLiteral("Linux");
}

QString computer() {
    return QStringLiteral("computer");
}

QString machineLabel() {
    return QStringLiteral("Computer");
}

QString unknownMachine() {
    return QStringLiteral("Unknown computer");
}

QString unknownChip() {
    return QStringLiteral("Unknown chip");
}

QString crashReportNotAttached(const QString& folder) {
    return QStringLiteral("(The crash report couldn’t be attached. It’s in the folder ") + folder +
           QStringLiteral(".)");
}

} // namespace stowly::platformWords
