#pragma once

#include "app/prompts/IgnoredImportCard.h"
#include "app/prompts/ImportPromptStyle.h"
#include "app/settings/DisplayOptions.h"
#include "app/settings/SettingDefinition.h"
#include "app/settings/SettingKey.h"
#include "app/settings/SettingsTab.h"
#include "copy/HashFormat.h"
#include "media/DateFilter.h"
#include "media/FileRules.h"
#include "media/MediaCategory.h"

#include <QAnyStringView>
#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

namespace stowly {

// The stored keys with the types of their values, to read, write and watch a setting through
// AppSettings. Each has its row in SettingsTable::rows(); a new setting is its key and its row.
namespace setting {
inline constexpr SettingKey<std::optional<QString>> destinationPath{"destinationPath"};
inline constexpr SettingKey<bool> ejectAfterOffload{"ejectAfterOffload"};
inline constexpr SettingKey<QString> folderTemplate{"folderTemplate"};
inline constexpr SettingKey<QString> fileTemplate{"fileTemplate"};
inline constexpr SettingKey<QString> lastProject{"lastProject"};
inline constexpr SettingKey<QStringList> recentProjects{"recentProjects"};
inline constexpr SettingKey<QSet<MediaCategory>> excludedCategories{"excludedCategories"};
inline constexpr SettingKey<bool> playSuccessSound{"playSuccessSound"};
inline constexpr SettingKey<bool> skipShortClips{"skipShortClips"};
inline constexpr SettingKey<int> shortClipSeconds{"shortClipSeconds"};
inline constexpr SettingKey<ThemeID> theme{"theme"};
inline constexpr SettingKey<AppAppearance> appearance{"appearance"};
inline constexpr SettingKey<MediaLayout> mediaLayout{"mediaLayout"};
// A language code, or "system" for the desktop's; taken when the program starts.
inline constexpr SettingKey<QString> language{"language"};
inline constexpr SettingKey<bool> listThumbnails{"listThumbnails"};
inline constexpr SettingKey<bool> quickDump{"quickDump"};
inline constexpr SettingKey<DateFilter> dateFilter{"dateFilter"};
inline constexpr SettingKey<bool> keepRunningInMenuBar{"keepRunningInMenuBar"};
inline constexpr SettingKey<bool> askToImportOnMount{"askToImportOnMount"};
inline constexpr SettingKey<bool> mountCardsWhenInserted{"mountCardsWhenInserted"};
inline constexpr SettingKey<bool> showMenuBarIcon{"showMenuBarIcon"};
inline constexpr SettingKey<ImportPromptStyle> importPromptStyle{"importPromptStyle"};
inline constexpr SettingKey<QList<IgnoredImportCard>> ignoredImportCards{"ignoredImportCards"};
inline constexpr SettingKey<FileRules> fileRules{"fileRules"};
inline constexpr SettingKey<bool> destinationMovedToFavorites{"destinationMovedToFavorites"};
inline constexpr SettingKey<SettingsTab> settingsTab{"settingsTab"};
inline constexpr SettingKey<QStringList> backupDestinations{"backupDestinations"};
// Of the backup destinations, those that copy from the first copy (a cascade).
inline constexpr SettingKey<QStringList> cascadeDestinations{"cascadeDestinations"};
inline constexpr SettingKey<bool> verifySource{"verifySource"};
inline constexpr SettingKey<bool> writeAscMhl{"writeAscMhl"};
// The formats the ASC MHL histories take besides xxh128, which they always take.
inline constexpr SettingKey<QList<HashFormat>> ascMhlHashes{"ascMhlHashes"};
inline constexpr SettingKey<bool> shareDestinationDrives{"shareDestinationDrives"};
inline constexpr SettingKey<QString> afterOffloadProgram{"afterOffloadProgram"};
// Named in every offload's report.
inline constexpr SettingKey<QString> operatorName{"operatorName"};
// Each offload's PDF and CSV report goes into every destination's "Stowly Reports" folder.
inline constexpr SettingKey<bool> writeReports{"writeReports"};
// A PostgreSQL server whose history several stations share; empty for this computer's own.
inline constexpr SettingKey<QString> historyServer{"historyServer"};
// This station's name in the shared history; empty for the computer's host name.
inline constexpr SettingKey<QString> stationName{"stationName"};
// Copies that other stations verified at paths this one cannot see count for erasing a card.
inline constexpr SettingKey<bool> trustOtherStations{"trustOtherStations"};
} // namespace setting

// The formats ascMhlHashes offers, in the order they are listed.
namespace ascMhlHashes {
const QList<HashFormat>& offered();
} // namespace ascMhlHashes

// Every preference, one row each: what AppSettings keeps, what `stowly-cli settings` lists and
// takes, and what a settings window offers.
namespace SettingsTable {
// In the order they are listed.
const QList<SettingDefinition>& rows();
// None for a key no row has.
const SettingDefinition* find(QAnyStringView key);
// The row's position in rows(); -1 for a key no row has.
qsizetype indexOf(QAnyStringView key);
} // namespace SettingsTable

} // namespace stowly
