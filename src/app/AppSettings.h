#pragma once

#include "app/DisplayOptions.h"
#include "app/IgnoredImportCard.h"
#include "app/ImportPromptStyle.h"
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

// Every user preference as an observable value, each written to the preferences store the
// moment it changes. Without a store the same object works in memory with the defaults.
// Main thread only.
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

    const std::optional<QString>& destinationPath() const { return m_destinationPath; }
    bool ejectAfterOffload() const { return m_ejectAfterOffload; }
    const QString& folderTemplate() const { return m_folderTemplate; }
    const QString& fileTemplate() const { return m_fileTemplate; }
    const QString& lastProject() const { return m_lastProject; }
    const QStringList& recentProjects() const { return m_recentProjects; }
    const QSet<MediaCategory>& includedCategories() const { return m_includedCategories; }
    bool playSuccessSound() const { return m_playSuccessSound; }
    bool skipShortClips() const { return m_skipShortClips; }
    int shortClipSeconds() const { return m_shortClipSeconds; }
    bool quickDump() const { return m_quickDump; }
    const DateFilter& dateFilter() const { return m_dateFilter; }
    const FileRules& fileRules() const { return m_fileRules; }
    ThemeID themeID() const { return m_themeID; }
    AppAppearance appearance() const { return m_appearance; }
    MediaLayout mediaLayout() const { return m_mediaLayout; }
    bool showListThumbnails() const { return m_showListThumbnails; }
    bool keepRunningInMenuBar() const { return m_keepRunningInMenuBar; }
    bool askToImport() const { return m_askToImport; }
    ImportPromptStyle importPromptStyle() const { return m_importPromptStyle; }
    bool showMenuBarIcon() const { return m_showMenuBarIcon; }
    const QList<IgnoredImportCard>& ignoredImportCards() const { return m_ignoredImportCards; }
    // Whether the single destination of older versions was moved into the favourites; kept
    // in memory when there is no store.
    bool destinationMovedToFavorites() const { return m_destinationMovedToFavorites; }

    void setDestinationPath(const std::optional<QString>& path);
    void setEjectAfterOffload(bool on);
    void setFolderTemplate(const QString& text);
    void setFileTemplate(const QString& text);
    void setLastProject(const QString& name);
    // Most recent first; only the first six are kept.
    void setRecentProjects(const QStringList& names);
    void setIncludedCategories(const QSet<MediaCategory>& categories);
    void setPlaySuccessSound(bool on);
    void setSkipShortClips(bool on);
    // Values outside 1 to 60 are clamped first.
    void setShortClipSeconds(int seconds);
    void setQuickDump(bool on);
    void setDateFilter(const DateFilter& filter);
    void setFileRules(const FileRules& rules);
    void setThemeID(ThemeID theme);
    void setAppearance(AppAppearance appearance);
    void setMediaLayout(MediaLayout layout);
    void setShowListThumbnails(bool on);
    void setKeepRunningInMenuBar(bool on);
    void setAskToImport(bool on);
    void setImportPromptStyle(ImportPromptStyle style);
    void setShowMenuBarIcon(bool on);
    void setIgnoredImportCards(const QList<IgnoredImportCard>& cards);
    void setDestinationMovedToFavorites(bool done);

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
    void destinationPathChanged();
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
    void importPromptStyleChanged();
    void showMenuBarIconChanged();
    void ignoredImportCardsChanged();

private:
    void load();
    template <typename T> static bool assign(T& field, const T& value);
    void notify(void (AppSettings::*signal)());
    void write(const QString& key, const QVariant& value);
    void remove(const QString& key);
    void sync();
    void writeJson(const QString& key, const QJsonDocument& document);
    void writeIncludedCategories();
    void writeIgnoredImportCards();

    std::shared_ptr<QSettings> m_defaults;
    std::optional<QString> m_destinationPath;
    bool m_ejectAfterOffload = false;
    QString m_folderTemplate;
    QString m_fileTemplate;
    QString m_lastProject;
    QStringList m_recentProjects;
    QSet<MediaCategory> m_includedCategories;
    bool m_playSuccessSound = true;
    bool m_skipShortClips = true;
    int m_shortClipSeconds = 5;
    bool m_quickDump = false;
    DateFilter m_dateFilter;
    FileRules m_fileRules;
    ThemeID m_themeID = ThemeID::standard;
    AppAppearance m_appearance = AppAppearance::dark;
    MediaLayout m_mediaLayout = MediaLayout::list;
    bool m_showListThumbnails = false;
    bool m_keepRunningInMenuBar = false;
    bool m_askToImport = true;
    ImportPromptStyle m_importPromptStyle = ImportPromptStyle::notification;
    bool m_showMenuBarIcon = true;
    QList<IgnoredImportCard> m_ignoredImportCards;
    bool m_destinationMovedToFavorites = false;
    FolderPicker m_folderPicker;
    bool m_syncFailed = false;
};

} // namespace stowly
