#pragma once

#include <QString>

namespace stowly {

// The fixed sentences and labels of the main window's stages and offload bar, in the words the
// user sees. Counted and computed texts live with their logic (OffloadFormatting, FormatAlert,
// ClipsStageContent, MediaTileInfo).
namespace StageTexts {

// Card stage.
QString noCardTitle();
QString noCardMessage();
QString ignoredHelp();
QString cardActionsHelp();
QString ejectCard();
QString forgetCardHistory();
QString verifiedBadge();
// While the history of verified copies is read at launch; a card waits for it.
QString readingHistory();

// Media stage: empty states and the fields above the list.
QString noCardMedia();
QString scanning();
QString projectLabel();
QString projectHelp();
QString recentProjects();
// The project field's clear button.
QString clearProject();
QString clearRecentProjects();
QString projectPromptQuickDump();
QString projectPromptUnused();
QString cameraLabel();
QString cameraHelp();
QString cameraPlaceholder();
QString quickDumpLabel();
QString quickDumpHelp();
QString datesLabel();
QString dateFilterHelp();

// Media stage: the three lists and what is said under them.
QString scopeHelp();
QString toCopyTitle();
QString offloadedTitle(qsizetype count);
QString skippedShortTitle(qsizetype count);
QString offloadedExplanation();
// `threshold` as DurationFormatting::threshold gives it ("5 seconds").
QString skippedShortExplanation(const QString& threshold);
QString outsideDatesExplanation();

// Media stage: re-offload menu, a file's commands and the preview.
QString reoffloadMenu();
QString reoffloadMenuHelp();
QString reoffloadMissingCopies();
QString reoffloadEverything();
QString dontReoffload();
QString reoffloadThisFile();
QString dontReoffloadThisFile();
QString showCopyInFileBrowser();
QString skipThisShortClip();
QString offloadClipAnyway();
QString includeAllShortClips();
QString includeAllShortClipsHelp();
QString previewHelp();

// Destination stage.
QString destinationHelp();
QString chooseFolder();
QString dropFolderHint();
QString showDestinationHelp();
QString chooseOtherFolderHelp();
QString favoritesMenuHelp();
QString chooseOtherFolder();
QString editFavorites();
// "Add “<name>” to Favorites"
QString addToFavorites(const QString& folderName);
// "<name> isn’t connected"
QString favoriteNotConnected(const QString& favoriteName);

// Offload bar and the recent offloads.
// "Offload 1 File", "Offload 12 Files"; plain "Offload" when there is nothing to count
QString startButton(qsizetype fileCount);
QString startHelp();
QString readyLine();
QString progressLabel();
QString verifying();
// The card's bytes of the current file are read a second time.
QString verifyingSource();
QString done();
QString historyEmpty();
QString historyRemoveHelp();

} // namespace StageTexts

} // namespace stowly
