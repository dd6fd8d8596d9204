#include "base/PlatformWords.h"

#include <QCoreApplication>

namespace stowly::platformWords {

// Linux's words; a port to another system gives its own here (macOS: "macOS", "Mac",
// "Unknown Mac", and the note pointing to Console ▸ Crash Reports).

QString systemName() {
    return QStringLiteral("Linux");
}

QString computer() {
    return QCoreApplication::translate("platformWords", "computer");
}

QString machineLabel() {
    return QCoreApplication::translate("platformWords", "Computer");
}

QString unknownMachine() {
    return QCoreApplication::translate("platformWords", "Unknown computer");
}

QString unknownChip() {
    return QCoreApplication::translate("platformWords", "Unknown chip");
}

QString crashReportNotAttached(const QString& folder) {
    return QCoreApplication::translate(
               "platformWords", "(The crash report couldn’t be attached. It’s in the folder %1.)")
        .arg(folder);
}

} // namespace stowly::platformWords
