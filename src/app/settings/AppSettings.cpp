#include "app/settings/AppSettings.h"

#include "app/settings/PreferenceValue.h"
#include "app/stores/OffloadPreset.h"
#include "base/AppFolders.h"
#include "base/Log.h"
#include "media/QuickDump.h"

namespace stowly {
namespace {

const QString quickDumpFallbackFileTemplate = QStringLiteral("{date}_{seq}");

QSet<MediaCategory> allCategories() {
    return QSet<MediaCategory>(mediaCategory::allCases.begin(), mediaCategory::allCases.end());
}

} // namespace

AppSettings::AppSettings(std::shared_ptr<QSettings> defaults, QObject* parent)
    : QObject(parent), m_defaults(std::move(defaults)) {
    load();
}

std::shared_ptr<QSettings> AppSettings::openStandardPreferences() {
    return openPreferences(AppFolders::preferencesFile());
}

std::shared_ptr<QSettings> AppSettings::openPreferences(const QString& file) {
    return std::make_shared<QSettings>(file, QSettings::IniFormat);
}

qsizetype AppSettings::indexOf(QLatin1StringView key, QMetaType type) {
    const qsizetype index = SettingsTable::indexOf(key);
    if (index < 0)
        qFatal("The setting %s has no row in the settings table.", key.data());
    if (SettingsTable::rows()[index].defaultValue.metaType() != type)
        qFatal("The setting %s is read or written as %s, but its row holds %s.", key.data(),
               type.name(), SettingsTable::rows()[index].defaultValue.metaType().name());
    return index;
}

// By key, so that a copy of a row finds its setting too; -1 for a row not in the table.
qsizetype AppSettings::indexOf(const SettingDefinition& setting) {
    return SettingsTable::indexOf(setting.key);
}

const QVariant& AppSettings::effective(qsizetype index) const {
    const QVariant& overridden = m_overrides.at(index);
    return overridden.isValid() ? overridden : m_values.at(index);
}

void AppSettings::load() {
    const QList<SettingDefinition>& rows = SettingsTable::rows();
    m_values.clear();
    m_overrides = QList<QVariant>(rows.size());
    QList<qsizetype> rewrites;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const std::optional<SettingDefinition::Loaded> loaded =
            m_defaults ? rows[i].load(*m_defaults) : std::nullopt;
        m_values.append(loaded ? loaded->value : rows[i].defaultValue);
        if (loaded && loaded->rewrite)
            rewrites.append(i);
    }
    // Rewrite what older versions or unknown values left behind, so the next launch and other
    // readers see the current form.
    for (const qsizetype i : rewrites)
        store(rows[i], m_values[i]);
}

QVariant AppSettings::value(const SettingDefinition& setting) const {
    const qsizetype index = indexOf(setting);
    return index < 0 ? QVariant() : effective(index);
}

qsizetype AppSettings::rowTaking(const SettingDefinition& given, const QVariant& value) {
    const qsizetype index = indexOf(given);
    if (index < 0 || value.metaType() != SettingsTable::rows()[index].defaultValue.metaType())
        return -1;
    return index;
}

bool AppSettings::setValue(const SettingDefinition& given, const QVariant& value) {
    const qsizetype index = rowTaking(given, value);
    if (index < 0)
        return false;
    const SettingDefinition& setting = SettingsTable::rows()[index];
    QVariant kept = setting.normalized(value);
    if (setting.key == setting::cascadeDestinations.view()) {
        const QStringList backups =
            m_values[indexOf(setting::backupDestinations)].value<QStringList>();
        QStringList cascades = kept.value<QStringList>();
        cascades.removeIf([&](const QString& folder) { return !backups.contains(folder); });
        kept = QVariant(cascades);
    }
    if (setting.same(m_values[index], kept)) {
        // A stored number out of range reads as clamped; assigning the same clamped value must
        // still put a value in range into the store.
        if (setting.kind == SettingDefinition::Kind::number && m_defaults &&
            preferenceValue::integer(*m_defaults, setting.key) != kept.toInt())
            store(setting, kept);
        return true;
    }
    const QVariant before = effective(index);
    m_values[index] = kept;
    store(setting, kept);
    // A backup removed and added again later copies from the card until told otherwise; those
    // told of the backups see the cascades that go with them.
    if (setting.key == setting::backupDestinations.view())
        setValue(setting::cascadeDestinations,
                 m_values[indexOf(setting::cascadeDestinations)].value<QStringList>());
    if (!setting.same(before, effective(index)))
        notify(setting);
    return true;
}

bool AppSettings::overrideForRun(const SettingDefinition& given, const QVariant& value) {
    const qsizetype index = rowTaking(given, value);
    if (index < 0)
        return false;
    const SettingDefinition& setting = SettingsTable::rows()[index];
    const QVariant before = effective(index);
    m_overrides[index] = setting.normalized(value);
    if (!setting.same(before, effective(index)))
        notify(setting);
    return true;
}

// Values are stored and written before observers are told, so an observer reading the store
// sees the new value too.
void AppSettings::notify(const SettingDefinition& setting) {
    if (setting.internal)
        return;
    Q_EMIT changed(setting.key);
}

void AppSettings::store(const SettingDefinition& setting, const QVariant& value) {
    const QVariant stored = setting.stored(value);
    if (stored.isValid())
        write(setting.key, stored);
    else
        remove(setting.key);
}

void AppSettings::write(const QString& name, const QVariant& value) {
    if (!m_defaults)
        return;
    m_defaults->setValue(name, value);
    sync();
}

void AppSettings::remove(const QString& name) {
    if (!m_defaults)
        return;
    m_defaults->remove(name);
    sync();
}

void AppSettings::sync() {
    // Written through at once: there is no save step and the process may end any time.
    m_defaults->sync();
    const bool failed = m_defaults->status() != QSettings::NoError;
    if (failed && !m_syncFailed)
        Log::info(Log::Category::app, QStringLiteral("Couldn’t save the preferences to ") +
                                          m_defaults->fileName() + u'.');
    m_syncFailed = failed;
}

QSet<MediaCategory> AppSettings::includedCategories() const {
    return allCategories() - value(setting::excludedCategories);
}

void AppSettings::setCategory(MediaCategory category, bool included) {
    QSet<MediaCategory> excluded = value(setting::excludedCategories);
    if (included)
        excluded.remove(category);
    else
        excluded.insert(category);
    setValue(setting::excludedCategories, excluded);
}

int AppSettings::shortClipSliderSeconds() const {
    return value(setting::skipShortClips) ? value(setting::shortClipSeconds) : 0;
}

void AppSettings::setShortClipSliderSeconds(int seconds) {
    if (seconds > 0)
        setValue(setting::shortClipSeconds, seconds);
    setValue(setting::skipShortClips, seconds > 0);
}

bool AppSettings::cascades(const QString& backup) const {
    return value(setting::cascadeDestinations).contains(backup);
}

void AppSettings::setCascades(const QString& backup, bool fromFirstCopy) {
    QStringList cascades = value(setting::cascadeDestinations);
    cascades.removeAll(backup);
    if (fromFirstCopy)
        cascades << backup;
    setValue(setting::cascadeDestinations, cascades);
}

QSet<QString> AppSettings::ignoredImportIdentities() const {
    QSet<QString> identities;
    for (const IgnoredImportCard& card : value(setting::ignoredImportCards))
        identities.insert(card.identity);
    return identities;
}

void AppSettings::ignoreImports(const CardVolume& card) {
    const QString identity = card.volumeIdentity();
    if (ignoredImportIdentities().contains(identity))
        return;
    QList<IgnoredImportCard> cards = value(setting::ignoredImportCards);
    cards.append(IgnoredImportCard{identity, card.name});
    setValue(setting::ignoredImportCards, cards);
}

void AppSettings::stopIgnoringImports(const QString& identity) {
    QList<IgnoredImportCard> cards = value(setting::ignoredImportCards);
    cards.removeIf([&](const IgnoredImportCard& card) { return card.identity == identity; });
    setValue(setting::ignoredImportCards, cards);
}

void AppSettings::rememberProject(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return;
    setValue(setting::lastProject, trimmed);
    QStringList recent = value(setting::recentProjects);
    recent.removeIf(
        [&](const QString& entry) { return entry.compare(trimmed, Qt::CaseInsensitive) == 0; });
    recent.prepend(trimmed);
    setValue(setting::recentProjects, recent.mid(0, recentProjectsLimit));
}

void AppSettings::apply(const OffloadPreset& preset) {
    setValue(setting::folderTemplate, preset.folderTemplate);
    setValue(setting::fileTemplate, preset.fileTemplate);
    setValue(setting::shortClipSeconds, preset.shortClipSeconds);
    setValue(setting::skipShortClips, preset.skipShortClips);
    setValue(setting::quickDump, preset.quickDump);
    setValue(setting::fileRules, preset.fileRules);
}

namespace {

QString folderTemplateFor(const QString& folder, bool quickDump) {
    return quickDump ? QuickDump::folderTemplate(folder) : folder;
}

QString fileTemplateFor(const QString& file, bool quickDump) {
    if (!quickDump)
        return file;
    const QString stripped = QuickDump::strip(file);
    return stripped.contains(u'{') ? stripped : quickDumpFallbackFileTemplate;
}

} // namespace

QString AppSettings::effectiveFolderTemplate() const {
    return folderTemplateFor(value(setting::folderTemplate), value(setting::quickDump));
}

QString AppSettings::effectiveFileTemplate() const {
    return fileTemplateFor(value(setting::fileTemplate), value(setting::quickDump));
}

std::optional<NamingTemplates> AppSettings::effectiveNaming() const {
    return NamingTemplates::make(effectiveFolderTemplate(), effectiveFileTemplate());
}

std::optional<NamingTemplates> AppSettings::effectiveNaming(const QString& folder,
                                                            const QString& file, bool quickDump) {
    return NamingTemplates::make(folderTemplateFor(folder, quickDump),
                                 fileTemplateFor(file, quickDump));
}

void AppSettings::chooseDestination() {
    if (const std::optional<QString> folder =
            pickFolder(value(setting::destinationPath),
                       tr("Choose the folder Stowly should copy your media into.")))
        setValue(setting::destinationPath, *folder);
}

std::optional<QString> AppSettings::pickFolder(const std::optional<QString>& startingAt,
                                               const QString& message) const {
    if (!m_folderPicker)
        return std::nullopt;
    return m_folderPicker(startingAt, message);
}

} // namespace stowly
