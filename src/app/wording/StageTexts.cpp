#include "app/wording/StageTexts.h"

#include "base/PlatformWords.h"

#include <QCoreApplication>

namespace stowly::StageTexts {

QString noCardTitle() {
    return QCoreApplication::translate("StageTexts", "Insert an SD Card");
}

QString noCardMessage() {
    return QCoreApplication::translate("StageTexts",
                                       "Stowly fills in the rest as soon as a card is mounted.");
}

QString ignoredHelp() {
    return QCoreApplication::translate(
        "StageTexts",
        "Ignored items (system files and your ignore list in Settings ▸ Files) aren’t "
        "copied and don’t stop the card being ready to format.");
}

QString cardActionsHelp() {
    return QCoreApplication::translate("StageTexts", "Card actions");
}

QString ejectCard() {
    return QCoreApplication::translate("StageTexts", "Eject Card");
}

QString forgetCardHistory() {
    return QCoreApplication::translate("StageTexts", "Forget This Card’s History…");
}

QString verifiedBadge() {
    return QCoreApplication::translate(
        "StageTexts", "Every file on this card has a verified copy at the destination.");
}

QString readingHistory() {
    return QCoreApplication::translate("StageTexts", "Reading the offload history…");
}

QString noCardMedia() {
    return QCoreApplication::translate("StageTexts", "Media appears here once a card is inserted.");
}

QString scanning() {
    return QCoreApplication::translate("StageTexts", "Looking for media…");
}

QString projectLabel() {
    return QCoreApplication::translate("StageTexts", "Project");
}

QString projectHelp() {
    return QCoreApplication::translate(
        "StageTexts", "Used in file and folder names when the naming template includes it");
}

QString clearProject() {
    return QCoreApplication::translate("StageTexts", "Clear the project name");
}

QString recentProjects() {
    return QCoreApplication::translate("StageTexts", "Recent projects");
}

QString clearRecentProjects() {
    return QCoreApplication::translate("StageTexts", "Clear Recent Projects");
}

QString projectPromptQuickDump() {
    return QCoreApplication::translate("StageTexts", "Not needed for a quick dump");
}

QString projectPromptUnused() {
    return QCoreApplication::translate("StageTexts", "Optional, not in the template");
}

QString cameraLabel() {
    return QCoreApplication::translate("StageTexts", "Camera");
}

QString cameraHelp() {
    return QCoreApplication::translate(
        "StageTexts", "The camera these files came from. Fills the {camera} token.");
}

QString cameraPlaceholder() {
    return QCoreApplication::translate("StageTexts", "Choose a camera…");
}

QString quickDumpLabel() {
    return QCoreApplication::translate("StageTexts", "Quick dump");
}

QString quickDumpHelp() {
    return QCoreApplication::translate(
        "StageTexts",
        "Skips the project name and dumps all the footage straight into a dated folder.");
}

QString datesLabel() {
    return QCoreApplication::translate("StageTexts", "Dates");
}

QString dateFilterHelp() {
    return QCoreApplication::translate(
        "StageTexts",
        "Copies only files from these days, by the date each file was created (or last "
        "changed, if the card doesn’t record that). Sidecars and proxies go with their "
        "clip. Everything else stays on the card.");
}

QString scopeHelp() {
    return QCoreApplication::translate(
        "StageTexts",
        "Switch between the files to copy, files offloaded before and skipped short clips");
}

QString toCopyTitle() {
    return QCoreApplication::translate("StageTexts", "Name Preview");
}

QString offloadedTitle(qsizetype count) {
    return QCoreApplication::translate("StageTexts", "Already Offloaded (%1)").arg(count);
}

QString skippedShortTitle(qsizetype count) {
    return QCoreApplication::translate("StageTexts", "Short Clips Skipped (%1)").arg(count);
}

QString offloadedExplanation() {
    return QCoreApplication::translate(
        "StageTexts",
        "These files were offloaded before, but their copies are gone or changed size. "
        "They aren’t copied again unless you choose Re-offload.");
}

QString skippedShortExplanation(const QString& threshold) {
    return QCoreApplication::translate(
               "StageTexts",
               "Videos shorter than %1 stay on the card with their sidecars. Change this in "
               "Settings ▸ General.")
        .arg(threshold);
}

QString outsideDatesExplanation() {
    return QCoreApplication::translate(
        "StageTexts",
        "These new files are from other days, so they stay on the card. Choose Any date "
        "under Dates to copy them too.");
}

QString reoffloadMenu() {
    return QCoreApplication::translate("StageTexts", "Re-offload");
}

QString reoffloadMenuHelp() {
    return QCoreApplication::translate(
        "StageTexts",
        "Copy files again that were offloaded before. New copies never overwrite old ones.");
}

QString reoffloadMissingCopies() {
    return QCoreApplication::translate("StageTexts", "Re-offload Missing Copies");
}

QString reoffloadEverything() {
    return QCoreApplication::translate("StageTexts", "Re-offload Everything on This Card…");
}

QString dontReoffload() {
    return QCoreApplication::translate("StageTexts", "Don’t Re-offload");
}

QString reoffloadThisFile() {
    return QCoreApplication::translate("StageTexts", "Re-offload This File");
}

QString dontReoffloadThisFile() {
    return QCoreApplication::translate("StageTexts", "Don’t Re-offload This File");
}

QString showCopyInFileBrowser() {
    return QCoreApplication::translate("StageTexts", "Show Copy in %1")
        .arg(platformWords::fileBrowserTitle());
}

QString skipThisShortClip() {
    return QCoreApplication::translate("StageTexts", "Skip This Short Clip");
}

QString offloadClipAnyway() {
    return QCoreApplication::translate("StageTexts", "Offload this clip anyway");
}

QString includeAllShortClips() {
    return QCoreApplication::translate("StageTexts", "Include All Short Clips");
}

QString includeAllShortClipsHelp() {
    return QCoreApplication::translate("StageTexts", "Offload every short clip on this card");
}

QString previewHelp() {
    return QCoreApplication::translate("StageTexts", "Press Space to preview the selected file%1")
        .arg(platformWords::withPreviewService());
}

QString destinationHelp() {
    return QCoreApplication::translate(
               "StageTexts",
               "Choose the folder your media is copied into, or drop one here from %1.")
        .arg(platformWords::theFileBrowser());
}

QString chooseFolder() {
    return QCoreApplication::translate("StageTexts", "Choose Folder…");
}

QString dropFolderHint() {
    return QCoreApplication::translate("StageTexts", "Drop a folder from %1 here to copy into it")
        .arg(platformWords::theFileBrowser());
}

QString showDestinationHelp() {
    return QCoreApplication::translate("StageTexts", "Show the destination folder in %1")
        .arg(platformWords::theFileBrowser());
}

QString chooseOtherFolderHelp() {
    return QCoreApplication::translate("StageTexts",
                                       "Choose a folder that isn’t one of your favorites");
}

QString favoritesMenuHelp() {
    return QCoreApplication::translate("StageTexts", "Choose where files are copied");
}

QString chooseOtherFolder() {
    return QCoreApplication::translate("StageTexts", "Choose Other Folder…");
}

QString editFavorites() {
    return QCoreApplication::translate("StageTexts", "Edit Favorites…");
}

QString addToFavorites(const QString& folderName) {
    return QCoreApplication::translate("StageTexts", "Add “%1” to Favorites").arg(folderName);
}

QString favoriteNotConnected(const QString& favoriteName) {
    return QCoreApplication::translate("StageTexts", "%1 isn’t connected").arg(favoriteName);
}

QString startButton(qsizetype fileCount) {
    // A count of nothing says nothing; the line beside the button says why.
    if (fileCount < 1)
        return QCoreApplication::translate("StageTexts", "Offload");
    return fileCount == 1 ? QCoreApplication::translate("StageTexts", "Offload 1 File")
                          : QCoreApplication::translate("StageTexts", "Offload %n Files", nullptr,
                                                        int(fileCount));
}

QString startHelp() {
    return QCoreApplication::translate("StageTexts", "Copy and verify the new files");
}

QString readyLine() {
    return QCoreApplication::translate("StageTexts",
                                       "Ready. Every file is verified with SHA-256 after copying.");
}

QString progressLabel() {
    return QCoreApplication::translate("StageTexts", "Offload progress");
}

QString verifying() {
    return QCoreApplication::translate("StageTexts", "Verifying");
}

QString verifyingSource() {
    return QCoreApplication::translate("StageTexts", "Verifying source");
}

QString done() {
    return QCoreApplication::translate("StageTexts", "Done");
}

QString historyEmpty() {
    return QCoreApplication::translate("StageTexts", "Files you offload will be listed here.");
}

QString historyRemoveHelp() {
    return QCoreApplication::translate(
        "StageTexts",
        "Remove from the history. The copy itself isn’t touched; the file shows as new on "
        "its card again.");
}

} // namespace stowly::StageTexts
