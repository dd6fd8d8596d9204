#pragma once

#include "app/DisplayOptions.h"
#include "app/IgnoredImportCard.h"
#include "app/ImportPromptStyle.h"
#include "app/SettingsTable.h"
#include "media/CardVolume.h"
#include "media/DateFilter.h"
#include "media/FileRules.h"
#include "media/MediaCategory.h"
#include "naming/NamingTemplates.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace stowly {

struct OffloadPreset;

// Every user preference of the settings table as an observable value, each written to the
// preferences store the moment it changes. Without a store the same object works in memory with
// the defaults. A run may override values for itself without storing them. Main thread only.
class AppSettings : public QObject {
    Q_OBJECT
public:
    // Shows a folder chooser starting in a folder (or wherever the desktop likes) with a
    // message; answers the chosen folder's path, or none when the user cancelled.
    using FolderPicker = std::function<std::optional<QString>(
        const std::optional<QString>& startingAt, const QString& message)>;

    // The store is shared: other parts keep their own keys in the same preferences.
    explicit AppSettings(std::shared_ptr<QSettings> defaults, QObject* parent = nullptr);
    // The per-user preferences file, in INI form.
    static std::shared_ptr<QSettings> openStandardPreferences();
    static std::shared_ptr<QSettings> openPreferences(const QString& file);

    const std::shared_ptr<QSettings>& defaults() const { return m_defaults; }

    // Any setting of the table by its typed key.
    template <typename T> T value(SettingKey<T> key) const {
        return qvariant_cast<T>(value(row(key.view())));
    }
    template <typename T> void setValue(SettingKey<T> key, const T& value) {
        setValue(row(key.view()), QVariant::fromValue(value));
    }
    // Seen by every reader of the setting from now on and never stored: a choice for one run.
    // Setting the value meanwhile stores it, while the override still stands.
    template <typename T> void overrideForRun(SettingKey<T> key, const T& value) {
        overrideForRun(row(key.view()), QVariant::fromValue(value));
    }

    // Any setting by its row, with a value of the row's type; false for a value of another
    // type or a row not in the table, which changes nothing.
    QVariant value(const SettingDefinition& setting) const;
    bool setValue(const SettingDefinition& setting, const QVariant& value);
    bool overrideForRun(const SettingDefinition& setting, const QVariant& value);

    std::optional<QString> destinationPath() const { return value(settingKey::destinationPath); }
    // Folders that get a copy of every file as well, under the same relative path.
    QStringList backupDestinations() const { return value(settingKey::backupDestinations); }
    bool verifySource() const { return value(settingKey::verifySource); }
    // Each offload appends a generation to the ASC MHL history at every destination.
    bool writeAscMhl() const { return value(settingKey::writeAscMhl); }
    bool ejectAfterOffload() const { return value(settingKey::ejectAfterOffload); }
    QString folderTemplate() const { return value(settingKey::folderTemplate); }
    QString fileTemplate() const { return value(settingKey::fileTemplate); }
    QString lastProject() const { return value(settingKey::lastProject); }
    QStringList recentProjects() const { return value(settingKey::recentProjects); }
    QSet<MediaCategory> includedCategories() const;
    bool playSuccessSound() const { return value(settingKey::playSuccessSound); }
    bool skipShortClips() const { return value(settingKey::skipShortClips); }
    int shortClipSeconds() const { return value(settingKey::shortClipSeconds); }
    bool quickDump() const { return value(settingKey::quickDump); }
    DateFilter dateFilter() const { return value(settingKey::dateFilter); }
    FileRules fileRules() const { return value(settingKey::fileRules); }
    ThemeID themeID() const { return value(settingKey::theme); }
    AppAppearance appearance() const { return value(settingKey::appearance); }
    MediaLayout mediaLayout() const { return value(settingKey::mediaLayout); }
    bool showListThumbnails() const { return value(settingKey::listThumbnails); }
    bool keepRunningInMenuBar() const { return value(settingKey::keepRunningInMenuBar); }
    bool askToImport() const { return value(settingKey::askToImportOnMount); }
    bool mountCardsWhenInserted() const { return value(settingKey::mountCardsWhenInserted); }
    ImportPromptStyle importPromptStyle() const { return value(settingKey::importPromptStyle); }
    bool showMenuBarIcon() const { return value(settingKey::showMenuBarIcon); }
    QList<IgnoredImportCard> ignoredImportCards() const {
        return value(settingKey::ignoredImportCards);
    }
    // Whether the single destination of older versions was moved into the favourites; kept
    // in memory when there is no store.
    bool destinationMovedToFavorites() const {
        return value(settingKey::destinationMovedToFavorites);
    }

    void setDestinationPath(const std::optional<QString>& path) {
        setValue(settingKey::destinationPath, path);
    }
    void setEjectAfterOffload(bool on) { setValue(settingKey::ejectAfterOffload, on); }
    void setBackupDestinations(const QStringList& folders) {
        setValue(settingKey::backupDestinations, folders);
    }
    void setVerifySource(bool on) { setValue(settingKey::verifySource, on); }
    void setWriteAscMhl(bool on) { setValue(settingKey::writeAscMhl, on); }
    void setFolderTemplate(const QString& text) { setValue(settingKey::folderTemplate, text); }
    void setFileTemplate(const QString& text) { setValue(settingKey::fileTemplate, text); }
    void setLastProject(const QString& name) { setValue(settingKey::lastProject, name); }
    // Most recent first; only the first six are kept.
    void setRecentProjects(const QStringList& names) {
        setValue(settingKey::recentProjects, names);
    }
    void setIncludedCategories(const QSet<MediaCategory>& categories);
    void setPlaySuccessSound(bool on) { setValue(settingKey::playSuccessSound, on); }
    void setSkipShortClips(bool on) { setValue(settingKey::skipShortClips, on); }
    // Values outside 1 to 60 are clamped first.
    void setShortClipSeconds(int seconds) { setValue(settingKey::shortClipSeconds, seconds); }
    void setQuickDump(bool on) { setValue(settingKey::quickDump, on); }
    void setDateFilter(const DateFilter& filter) { setValue(settingKey::dateFilter, filter); }
    void setFileRules(const FileRules& rules) { setValue(settingKey::fileRules, rules); }
    void setThemeID(ThemeID theme) { setValue(settingKey::theme, theme); }
    void setAppearance(AppAppearance appearance) { setValue(settingKey::appearance, appearance); }
    void setMediaLayout(MediaLayout layout) { setValue(settingKey::mediaLayout, layout); }
    void setShowListThumbnails(bool on) { setValue(settingKey::listThumbnails, on); }
    void setKeepRunningInMenuBar(bool on) { setValue(settingKey::keepRunningInMenuBar, on); }
    void setAskToImport(bool on) { setValue(settingKey::askToImportOnMount, on); }
    void setMountCardsWhenInserted(bool on) { setValue(settingKey::mountCardsWhenInserted, on); }
    void setImportPromptStyle(ImportPromptStyle style) {
        setValue(settingKey::importPromptStyle, style);
    }
    void setShowMenuBarIcon(bool on) { setValue(settingKey::showMenuBarIcon, on); }
    void setIgnoredImportCards(const QList<IgnoredImportCard>& cards) {
        setValue(settingKey::ignoredImportCards, cards);
    }
    void setDestinationMovedToFavorites(bool done) {
        setValue(settingKey::destinationMovedToFavorites, done);
    }
    // The settings window's tab, opened again where it was left.
    SettingsTab settingsTab() const { return value(settingKey::settingsTab); }
    void setSettingsTab(SettingsTab tab) { setValue(settingKey::settingsTab, tab); }

    // One slider that also switches the rule off: the seconds while the rule is on, else 0.
    int shortClipSliderSeconds() const;
    void setShortClipSliderSeconds(int seconds);

    void setCategory(MediaCategory category, bool included);

    QSet<QString> ignoredImportIdentities() const;
    void ignoreImports(const CardVolume& card);
    void stopIgnoringImports(const QString& identity);

    // Trimmed; becomes the last project and moves to the front of the six recent ones.
    void rememberProject(const QString& name);

    // The preset's naming and rules; its destination and camera are the caller's to apply.
    void apply(const OffloadPreset& preset);

    // The template texts planning uses: as set, or without the project in quick-dump mode.
    QString effectiveFolderTemplate() const;
    QString effectiveFileTemplate() const;
    // None while either effective template has an error.
    std::optional<NamingTemplates> effectiveNaming() const;

    // Folder choosing belongs to the desktop front end, which installs its chooser here.
    void setFolderPicker(FolderPicker picker) { m_folderPicker = std::move(picker); }
    // Asks for the destination folder; a cancelled chooser changes nothing.
    void chooseDestination();
    // None when cancelled or when no chooser is installed.
    std::optional<QString> pickFolder(const std::optional<QString>& startingAt,
                                      const QString& message) const;

    static constexpr int shortClipSecondsMinimum = 1;
    static constexpr int shortClipSecondsMaximum = 60;
    static constexpr int recentProjectsLimit = 6;

Q_SIGNALS:
    // Any value changed.
    void changed();
    // The setting under the key changed; before changed().
    void settingChanged(const QString& key);
    void destinationPathChanged();
    void backupDestinationsChanged();
    void verifySourceChanged();
    void writeAscMhlChanged();
    void ejectAfterOffloadChanged();
    void folderTemplateChanged();
    void fileTemplateChanged();
    void lastProjectChanged();
    void recentProjectsChanged();
    void includedCategoriesChanged();
    void playSuccessSoundChanged();
    // The switch or the seconds of the short-clip rule.
    void shortClipChanged();
    void quickDumpChanged();
    void dateFilterChanged();
    void fileRulesChanged();
    void themeIDChanged();
    void appearanceChanged();
    void mediaLayoutChanged();
    void showListThumbnailsChanged();
    void keepRunningInMenuBarChanged();
    void askToImportChanged();
    void mountCardsWhenInsertedChanged();
    void importPromptStyleChanged();
    void showMenuBarIconChanged();
    void ignoredImportCardsChanged();

private:
    static const SettingDefinition& row(QLatin1StringView key);
    static qsizetype indexOf(const SettingDefinition& setting);
    // The row of a setting when the value is of its type; -1 otherwise.
    static qsizetype rowTaking(const SettingDefinition& setting, const QVariant& value);
    const QVariant& effective(qsizetype index) const;
    void load();
    void notify(const SettingDefinition& setting);
    void store(const SettingDefinition& setting, const QVariant& value);
    void write(const QString& key, const QVariant& value);
    void remove(const QString& key);
    void sync();

    std::shared_ptr<QSettings> m_defaults;
    // One per row of the table, in its order; an override is invalid where there is none.
    QList<QVariant> m_values;
    QList<QVariant> m_overrides;
    FolderPicker m_folderPicker;
    bool m_syncFailed = false;
};

} // namespace stowly
