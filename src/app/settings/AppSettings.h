#pragma once

#include "app/prompts/IgnoredImportCard.h"
#include "app/prompts/ImportPromptStyle.h"
#include "app/settings/DisplayOptions.h"
#include "app/settings/SettingsTable.h"
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
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>

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
        return qvariant_cast<T>(effective(indexOf(key)));
    }
    template <typename T> void setValue(SettingKey<T> key, const std::type_identity_t<T>& value) {
        setValue(SettingsTable::rows()[indexOf(key)], QVariant::fromValue<T>(value));
    }
    // Seen by every reader of the setting from now on and never stored: a choice for one run.
    // Setting the value meanwhile stores it, while the override still stands.
    template <typename T>
    void overrideForRun(SettingKey<T> key, const std::type_identity_t<T>& value) {
        overrideForRun(SettingsTable::rows()[indexOf(key)], QVariant::fromValue<T>(value));
    }

    // Any setting by its row, with a value of the row's type; false for a value of another
    // type or a row not in the table, which changes nothing.
    QVariant value(const SettingDefinition& setting) const;
    bool setValue(const SettingDefinition& setting, const QVariant& value);
    bool overrideForRun(const SettingDefinition& setting, const QVariant& value);

    // Calls `react`, a function or a member function of `context`, after any of the settings
    // changed, for as long as `context` lives.
    template <typename Context, typename Functor>
    QMetaObject::Connection onChange(std::initializer_list<QLatin1StringView> keys,
                                     Context* context, Functor react) {
        return connect(this, &AppSettings::changed, context,
                       [watched = QList<QLatin1StringView>(keys), context,
                        react = std::move(react)](const QString& key) {
                           if (!watched.contains(key))
                               return;
                           if constexpr (std::is_member_function_pointer_v<Functor>)
                               (context->*react)();
                           else
                               react();
                       });
    }
    template <typename T, typename Context, typename Functor>
    QMetaObject::Connection onChange(SettingKey<T> key, Context* context, Functor react) {
        return onChange({key.view()}, context, std::move(react));
    }

    // The kinds of files offloaded: all but the excluded ones.
    QSet<MediaCategory> includedCategories() const;
    void setCategory(MediaCategory category, bool included);

    // One slider that also switches the rule off: the seconds while the rule is on, else 0.
    int shortClipSliderSeconds() const;
    void setShortClipSliderSeconds(int seconds);

    // Whether a backup folder copies from the destination's proved copy rather than from the
    // card. The cascade list only ever holds stored backups: setting it keeps to them, and a
    // folder that stops being a backup leaves it.
    bool cascades(const QString& backup) const;
    void setCascades(const QString& backup, bool fromFirstCopy);

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
    // The same for templates that are not the settings' (a preset's).
    static std::optional<NamingTemplates> effectiveNaming(const QString& folder,
                                                          const QString& file, bool quickDump);

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
    // The setting stored under the key changed, for everyone but Stowly's own bookkeeping.
    void changed(const QString& key);

private:
    // The key's row. A key without a row, or whose row holds another type, is a mistake no run
    // can go on with.
    template <typename T> static qsizetype indexOf(SettingKey<T> key) {
        return indexOf(key.view(), QMetaType::fromType<T>());
    }
    static qsizetype indexOf(QLatin1StringView key, QMetaType type);
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
