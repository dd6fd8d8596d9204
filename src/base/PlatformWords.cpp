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

QString quietNotificationsNote() {
    return QCoreApplication::translate(
        "platformWords",
        "If you don’t see a prompt when you plug in a card (for example while Do Not Disturb is "
        "on), switch to Floating panel. The desktop keeps notifications quiet during Do Not "
        "Disturb; the floating panel always shows.");
}

QString statusArea() {
    return QCoreApplication::translate("platformWords", "system tray");
}

QString statusAreaTitle() {
    return QCoreApplication::translate("platformWords", "System Tray");
}

QString hiddenIconNote() {
    return QCoreApplication::translate(
        "platformWords",
        "With the icon hidden, Stowly keeps running in the background and still asks to import. "
        "Open Stowly from the file manager or the application launcher to show its window, and "
        "quit it from there with Ctrl+Q.");
}

QString allowLoginItem() {
    return QCoreApplication::translate(
        "platformWords", "Allow Stowly in your desktop’s settings for startup applications.");
}

QString updatesNote() {
    return QCoreApplication::translate(
        "platformWords", "Stowly is updated by your system’s package manager, together with the "
                         "rest of your software, so these settings have no effect here.");
}

} // namespace stowly::platformWords
