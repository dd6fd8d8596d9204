#include "base/PlatformWords.h"

#include <QCoreApplication>

namespace stowly::platformWords {

// Linux's words; a port to another system gives its own here (macOS: "macOS", "Mac",
// "Unknown Mac", the note pointing to Console ▸ Crash Reports, "Finder" and " with Quick Look").

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

QString theFileBrowser() {
    return QCoreApplication::translate("platformWords", "the file manager");
}

QString fileBrowserTitle() {
    return QCoreApplication::translate("platformWords", "File Manager");
}

QString withPreviewService() {
    return QString();
}

} // namespace stowly::platformWords
