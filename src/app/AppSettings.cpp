#include "app/AppSettings.h"

#include "app/OffloadPreset.h"
#include "app/PreferenceValue.h"
#include "base/AppFolders.h"
#include "base/Log.h"
#include "media/QuickDump.h"
#include "naming/TemplateMigration.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace stowly {
namespace {

namespace key {
const QString destinationPath = QStringLiteral("destinationPath");
const QString ejectAfterOffload = QStringLiteral("ejectAfterOffload");
const QString folderTemplate = QStringLiteral("folderTemplate");
const QString fileTemplate = QStringLiteral("fileTemplate");
const QString lastProject = QStringLiteral("lastProject");
const QString recentProjects = QStringLiteral("recentProjects");
const QString excludedCategories = QStringLiteral("excludedCategories");
const QString playSuccessSound = QStringLiteral("playSuccessSound");
const QString skipShortClips = QStringLiteral("skipShortClips");
const QString shortClipSeconds = QStringLiteral("shortClipSeconds");
const QString theme = QStringLiteral("theme");
const QString appearance = QStringLiteral("appearance");
const QString mediaLayout = QStringLiteral("mediaLayout");
const QString listThumbnails = QStringLiteral("listThumbnails");
const QString quickDump = QStringLiteral("quickDump");
const QString dateFilter = QStringLiteral("dateFilter");
const QString keepRunningInMenuBar = QStringLiteral("keepRunningInMenuBar");
const QString askToImportOnMount = QStringLiteral("askToImportOnMount");
const QString showMenuBarIcon = QStringLiteral("showMenuBarIcon");
const QString importPromptStyle = QStringLiteral("importPromptStyle");
const QString ignoredImportCards = QStringLiteral("ignoredImportCards");
const QString fileRules = QStringLiteral("fileRules");
const QString destinationMovedToFavorites = QStringLiteral("destinationMovedToFavorites");
} // namespace key

const QString defaultFolderTemplate = QStringLiteral("{date}/{project}");
const QString defaultFileTemplate = QStringLiteral("{date}_{project}_{seq}");
const QString quickDumpFallbackFileTemplate = QStringLiteral("{date}_{seq}");
const QString destinationChooserMessage =
    QStringLiteral("Choose the folder Stowly should copy your media into.");

int clampedSeconds(qint64 seconds) {
    return int(std::clamp<qint64>(seconds, AppSettings::shortClipSecondsMinimum,
                                  AppSettings::shortClipSecondsMaximum));
}

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

void AppSettings::load() {
    m_folderTemplate = defaultFolderTemplate;
    m_fileTemplate = defaultFileTemplate;
    m_includedCategories = allCategories();
    m_dateFilter = DateFilter::any();
    m_fileRules = FileRules::standard();
    if (!m_defaults)
        return;
    const QSettings& store = *m_defaults;
    using namespace preferenceValue;

    m_destinationPath = text(store, key::destinationPath);
    m_ejectAfterOffload = flag(store, key::ejectAfterOffload).value_or(false);
    const std::optional<QString> storedFolder = text(store, key::folderTemplate);
    if (storedFolder)
        m_folderTemplate = TemplateMigration::migrate(*storedFolder, NamingTemplate::Kind::folder);
    const std::optional<QString> storedFile = text(store, key::fileTemplate);
    if (storedFile)
        m_fileTemplate = TemplateMigration::migrate(*storedFile, NamingTemplate::Kind::file);
    m_lastProject = text(store, key::lastProject).value_or(QString());
    m_recentProjects =
        textList(store, key::recentProjects).value_or(QStringList()).mid(0, recentProjectsLimit);

    const QStringList excluded = textList(store, key::excludedCategories).value_or(QStringList());
    m_includedCategories.clear();
    for (const MediaCategory category : mediaCategory::allCases)
        if (!excluded.contains(mediaCategory::rawValue(category)))
            m_includedCategories.insert(category);

    m_playSuccessSound = flag(store, key::playSuccessSound).value_or(true);
    m_skipShortClips = flag(store, key::skipShortClips).value_or(true);
    m_shortClipSeconds = clampedSeconds(integer(store, key::shortClipSeconds).value_or(5));

    const std::optional<QString> storedTheme = text(store, key::theme);
    m_themeID = storedTheme
                    ? displayOptions::themeFromRawValue(*storedTheme).value_or(ThemeID::standard)
                    : ThemeID::standard;
    m_appearance =
        displayOptions::appearanceFromRawValue(text(store, key::appearance).value_or(QString()))
            .value_or(AppAppearance::dark);
    m_mediaLayout =
        text(store, key::mediaLayout) == u"grid" ? MediaLayout::grid : MediaLayout::list;
    m_showListThumbnails = flag(store, key::listThumbnails).value_or(false);

    m_quickDump = flag(store, key::quickDump).value_or(false);
    if (const std::optional<QJsonDocument> document = json(store, key::dateFilter))
        m_dateFilter = DateFilter::fromJson(document->object()).value_or(DateFilter::any());

    m_keepRunningInMenuBar = flag(store, key::keepRunningInMenuBar).value_or(false);
    m_askToImport = flag(store, key::askToImportOnMount).value_or(true);
    m_showMenuBarIcon = flag(store, key::showMenuBarIcon).value_or(true);
    m_importPromptStyle =
        importPromptStyle::fromRawValue(text(store, key::importPromptStyle).value_or(QString()));
    if (const std::optional<QJsonDocument> document = json(store, key::ignoredImportCards);
        document && document->isArray()) {
        QList<IgnoredImportCard> cards;
        bool valid = true;
        for (const QJsonValue& value : document->array()) {
            const std::optional<IgnoredImportCard> card =
                value.isObject() ? IgnoredImportCard::fromJson(value.toObject()) : std::nullopt;
            if (!card) {
                valid = false;
                break;
            }
            cards.append(*card);
        }
        if (valid)
            m_ignoredImportCards = cards;
    }

    if (const std::optional<QJsonDocument> document = json(store, key::fileRules))
        m_fileRules = FileRules::fromJson(document->object()).value_or(FileRules::standard());
    m_destinationMovedToFavorites = flag(store, key::destinationMovedToFavorites).value_or(false);

    // Rewrite what older versions or unknown values left behind, so the next launch and other
    // readers see the current form.
    if (storedFolder && *storedFolder != m_folderTemplate)
        write(key::folderTemplate, m_folderTemplate);
    if (storedFile && *storedFile != m_fileTemplate)
        write(key::fileTemplate, m_fileTemplate);
    if (store.contains(key::theme) && storedTheme != displayOptions::rawValue(m_themeID))
        write(key::theme, displayOptions::rawValue(m_themeID));
}

template <typename T> bool AppSettings::assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// Setters store and write before they tell observers, so an observer reading the store sees the
// new value too.
void AppSettings::notify(void (AppSettings::*signal)()) {
    Q_EMIT(this->*signal)();
    Q_EMIT changed();
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

void AppSettings::writeJson(const QString& name, const QJsonDocument& document) {
    write(name, QString::fromUtf8(document.toJson(QJsonDocument::Compact)));
}

void AppSettings::setDestinationPath(const std::optional<QString>& path) {
    if (!assign(m_destinationPath, path))
        return;
    if (path)
        write(key::destinationPath, *path);
    else
        remove(key::destinationPath);
    notify(&AppSettings::destinationPathChanged);
}

void AppSettings::setEjectAfterOffload(bool on) {
    if (!assign(m_ejectAfterOffload, on))
        return;
    write(key::ejectAfterOffload, on);
    notify(&AppSettings::ejectAfterOffloadChanged);
}

void AppSettings::setFolderTemplate(const QString& text) {
    if (!assign(m_folderTemplate, text))
        return;
    write(key::folderTemplate, text);
    notify(&AppSettings::folderTemplateChanged);
}

void AppSettings::setFileTemplate(const QString& text) {
    if (!assign(m_fileTemplate, text))
        return;
    write(key::fileTemplate, text);
    notify(&AppSettings::fileTemplateChanged);
}

void AppSettings::setLastProject(const QString& name) {
    if (!assign(m_lastProject, name))
        return;
    write(key::lastProject, name);
    notify(&AppSettings::lastProjectChanged);
}

void AppSettings::setRecentProjects(const QStringList& names) {
    const QStringList kept = names.mid(0, recentProjectsLimit);
    if (!assign(m_recentProjects, kept))
        return;
    write(key::recentProjects, kept);
    notify(&AppSettings::recentProjectsChanged);
}

void AppSettings::setIncludedCategories(const QSet<MediaCategory>& categories) {
    if (!assign(m_includedCategories, categories))
        return;
    writeIncludedCategories();
    notify(&AppSettings::includedCategoriesChanged);
}

void AppSettings::writeIncludedCategories() {
    QStringList excluded;
    for (const MediaCategory category : mediaCategory::allCases)
        if (!m_includedCategories.contains(category))
            excluded << mediaCategory::rawValue(category);
    write(key::excludedCategories, excluded);
}

void AppSettings::setPlaySuccessSound(bool on) {
    if (!assign(m_playSuccessSound, on))
        return;
    write(key::playSuccessSound, on);
    notify(&AppSettings::playSuccessSoundChanged);
}

void AppSettings::setSkipShortClips(bool on) {
    if (!assign(m_skipShortClips, on))
        return;
    write(key::skipShortClips, on);
    notify(&AppSettings::shortClipChanged);
}

void AppSettings::setShortClipSeconds(int seconds) {
    const int clamped = clampedSeconds(seconds);
    const bool changedInMemory = assign(m_shortClipSeconds, clamped);
    // A stored value out of range reads as clamped; assigning the same clamped value must still
    // put a value in range into the store.
    if (changedInMemory ||
        (m_defaults && preferenceValue::integer(*m_defaults, key::shortClipSeconds) != clamped))
        write(key::shortClipSeconds, clamped);
    if (changedInMemory)
        notify(&AppSettings::shortClipChanged);
}

void AppSettings::setQuickDump(bool on) {
    if (!assign(m_quickDump, on))
        return;
    write(key::quickDump, on);
    notify(&AppSettings::quickDumpChanged);
}

void AppSettings::setDateFilter(const DateFilter& filter) {
    if (!assign(m_dateFilter, filter))
        return;
    writeJson(key::dateFilter, QJsonDocument(filter.toJson()));
    notify(&AppSettings::dateFilterChanged);
}

void AppSettings::setFileRules(const FileRules& rules) {
    if (!assign(m_fileRules, rules))
        return;
    writeJson(key::fileRules, QJsonDocument(rules.toJson()));
    notify(&AppSettings::fileRulesChanged);
}

void AppSettings::setThemeID(ThemeID theme) {
    if (!assign(m_themeID, theme))
        return;
    write(key::theme, displayOptions::rawValue(theme));
    notify(&AppSettings::themeIDChanged);
}

void AppSettings::setAppearance(AppAppearance appearance) {
    if (!assign(m_appearance, appearance))
        return;
    write(key::appearance, displayOptions::rawValue(appearance));
    notify(&AppSettings::appearanceChanged);
}

void AppSettings::setMediaLayout(MediaLayout layout) {
    if (!assign(m_mediaLayout, layout))
        return;
    write(key::mediaLayout, displayOptions::rawValue(layout));
    notify(&AppSettings::mediaLayoutChanged);
}

void AppSettings::setShowListThumbnails(bool on) {
    if (!assign(m_showListThumbnails, on))
        return;
    write(key::listThumbnails, on);
    notify(&AppSettings::showListThumbnailsChanged);
}

void AppSettings::setKeepRunningInMenuBar(bool on) {
    if (!assign(m_keepRunningInMenuBar, on))
        return;
    write(key::keepRunningInMenuBar, on);
    notify(&AppSettings::keepRunningInMenuBarChanged);
}

void AppSettings::setAskToImport(bool on) {
    if (!assign(m_askToImport, on))
        return;
    write(key::askToImportOnMount, on);
    notify(&AppSettings::askToImportChanged);
}

void AppSettings::setImportPromptStyle(ImportPromptStyle style) {
    if (!assign(m_importPromptStyle, style))
        return;
    write(key::importPromptStyle, importPromptStyle::rawValue(style));
    notify(&AppSettings::importPromptStyleChanged);
}

void AppSettings::setShowMenuBarIcon(bool on) {
    if (!assign(m_showMenuBarIcon, on))
        return;
    write(key::showMenuBarIcon, on);
    notify(&AppSettings::showMenuBarIconChanged);
}

void AppSettings::setIgnoredImportCards(const QList<IgnoredImportCard>& cards) {
    if (!assign(m_ignoredImportCards, cards))
        return;
    writeIgnoredImportCards();
    notify(&AppSettings::ignoredImportCardsChanged);
}

void AppSettings::writeIgnoredImportCards() {
    QJsonArray array;
    for (const IgnoredImportCard& card : m_ignoredImportCards)
        array.append(card.toJson());
    writeJson(key::ignoredImportCards, QJsonDocument(array));
}

void AppSettings::setDestinationMovedToFavorites(bool done) {
    if (!assign(m_destinationMovedToFavorites, done))
        return;
    write(key::destinationMovedToFavorites, done);
}

int AppSettings::shortClipSliderSeconds() const {
    return m_skipShortClips ? m_shortClipSeconds : 0;
}

void AppSettings::setShortClipSliderSeconds(int seconds) {
    if (seconds > 0)
        setShortClipSeconds(seconds);
    setSkipShortClips(seconds > 0);
}

void AppSettings::setCategory(MediaCategory category, bool included) {
    QSet<MediaCategory> categories = m_includedCategories;
    if (included)
        categories.insert(category);
    else
        categories.remove(category);
    setIncludedCategories(categories);
}

QSet<QString> AppSettings::ignoredImportIdentities() const {
    QSet<QString> identities;
    for (const IgnoredImportCard& card : m_ignoredImportCards)
        identities.insert(card.identity);
    return identities;
}

void AppSettings::ignoreImports(const CardVolume& card) {
    const QString identity = card.volumeIdentity();
    if (ignoredImportIdentities().contains(identity))
        return;
    QList<IgnoredImportCard> cards = m_ignoredImportCards;
    cards.append(IgnoredImportCard{identity, card.name});
    setIgnoredImportCards(cards);
}

void AppSettings::stopIgnoringImports(const QString& identity) {
    QList<IgnoredImportCard> cards = m_ignoredImportCards;
    cards.removeIf([&](const IgnoredImportCard& card) { return card.identity == identity; });
    setIgnoredImportCards(cards);
}

void AppSettings::rememberProject(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return;
    setLastProject(trimmed);
    QStringList recent = m_recentProjects;
    recent.removeIf(
        [&](const QString& entry) { return entry.compare(trimmed, Qt::CaseInsensitive) == 0; });
    recent.prepend(trimmed);
    setRecentProjects(recent.mid(0, recentProjectsLimit));
}

void AppSettings::apply(const OffloadPreset& preset) {
    setFolderTemplate(preset.folderTemplate);
    setFileTemplate(preset.fileTemplate);
    setShortClipSeconds(preset.shortClipSeconds);
    setSkipShortClips(preset.skipShortClips);
    setQuickDump(preset.quickDump);
    setFileRules(preset.fileRules);
}

QString AppSettings::effectiveFolderTemplate() const {
    return m_quickDump ? QuickDump::folderTemplate(m_folderTemplate) : m_folderTemplate;
}

QString AppSettings::effectiveFileTemplate() const {
    if (!m_quickDump)
        return m_fileTemplate;
    const QString stripped = QuickDump::strip(m_fileTemplate);
    return stripped.contains(u'{') ? stripped : quickDumpFallbackFileTemplate;
}

std::optional<NamingTemplates> AppSettings::effectiveNaming() const {
    return NamingTemplates::make(effectiveFolderTemplate(), effectiveFileTemplate());
}

void AppSettings::chooseDestination() {
    if (const std::optional<QString> folder =
            pickFolder(m_destinationPath, destinationChooserMessage))
        setDestinationPath(*folder);
}

std::optional<QString> AppSettings::pickFolder(const std::optional<QString>& startingAt,
                                               const QString& message) const {
    if (!m_folderPicker)
        return std::nullopt;
    return m_folderPicker(startingAt, message);
}

} // namespace stowly
