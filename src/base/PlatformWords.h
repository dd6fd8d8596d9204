#pragma once

#include <QString>

// The few texts that name the operating system, its computers or its programs. They live here
// alone so that each platform words them in its own terms.
namespace stowly::platformWords {

// "Linux", put before the operating system version in reports and the launch line.
QString systemName();
// "computer", as a sentence names the machine ("part of your computer").
QString computer();
// "Computer", the label before model and chip.
QString machineLabel();
// Stands in for a model the computer does not tell.
QString unknownMachine();
// Stands in for a processor name the computer does not tell.
QString unknownChip();
// The note added to a link e-mail that meant to carry a crash report; `folder` is where crash
// reports are kept, as the user would type it.
QString crashReportNotAttached(const QString& folder);
// The desktop's file browser inside a sentence, with its article: "the file manager", so that
// "Show the destination folder in the file manager" reads right.
QString theFileBrowser();
// The same as a name in a menu command: "File Manager" ("Show Copy in File Manager").
QString fileBrowserTitle();
// What ends "Press Space to preview the selected file" where the system's preview service has
// a name of its own; empty here, where the preview is Stowly's own window.
QString withPreviewService();
// Why a prompt may stay unseen and what to do about it, for the import prompt style.
QString quietNotificationsNote();
// Where Stowly's icon lives while it runs in the background, inside a sentence: "system tray"
// ("Keep Stowly running in the system tray").
QString statusArea();
// The same as a heading: "System Tray".
QString statusAreaTitle();
// How to reach and quit Stowly while it runs without its icon.
QString hiddenIconNote();
// What the user does when the desktop wants Stowly allowed to start at login.
QString allowLoginItem();
// Who updates Stowly here, for the update settings.
QString updatesNote();

} // namespace stowly::platformWords
