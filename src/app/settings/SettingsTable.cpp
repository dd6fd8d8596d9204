#include "app/settings/SettingsTable.h"

#include "app/settings/AppSettings.h"
#include "app/settings/PreferenceValue.h"
#include "app/settings/SettingRowKinds.h"
#include "app/settings/Translations.h"
#include "base/Log.h"
#include "devices/linux/DesktopAutomounter.h"
#include "history/ServerAddress.h"
#include "naming/NamingTemplate.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace stowly {
namespace {

using namespace settingRows;

std::optional<QList<IgnoredImportCard>> cardsFromJson(const QJsonDocument& document) {
    if (!document.isArray())
        return std::nullopt;
    QList<IgnoredImportCard> cards;
    for (const QJsonValue& item : document.array()) {
        const std::optional<IgnoredImportCard> card =
            item.isObject() ? IgnoredImportCard::fromJson(item.toObject()) : std::nullopt;
        if (!card)
            return std::nullopt;
        cards << *card;
    }
    return cards;
}

QStringList excludedNames(const QSet<MediaCategory>& excluded) {
    QStringList names;
    for (const MediaCategory category : mediaCategory::allCases)
        if (excluded.contains(category))
            names << mediaCategory::rawValue(category);
    return names;
}

SettingDefinition destinationPath(const char* description) {
    SettingDefinition d = row(setting::destinationPath, Kind::folder, std::optional<QString>(),
                              description, QDir::rootPath());
    d.load = [key = d.key](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QString> path = preferenceValue::text(store, key);
        return path ? std::optional(Loaded{QVariant::fromValue(path)}) : std::nullopt;
    };
    d.stored = [](const QVariant& value) {
        const auto path = qvariant_cast<std::optional<QString>>(value);
        return path ? QVariant(*path) : QVariant();
    };
    d.text = [](const QVariant& value) {
        return qvariant_cast<std::optional<QString>>(value).value_or(QString());
    };
    d.parse = [](const QString& text) {
        if (text.isEmpty())
            return accepted(QVariant::fromValue(std::optional<QString>()));
        if (!QFileInfo(text).isDir())
            return refused(QCoreApplication::translate("SettingsTable", "There’s no folder at %1.")
                               .arg(quoted(text)));
        return accepted(QVariant::fromValue(
            std::optional<QString>(QDir::cleanPath(QFileInfo(text).absoluteFilePath()))));
    };
    return d;
}

SettingDefinition folderList(SettingKey<QStringList> key, const char* description) {
    SettingDefinition d = row(key, Kind::list, QStringList(), description,
                              QStringLiteral(R"(["/media/backup/Footage"])"));
    // One absolute, clean path per folder, each once, so a folder reads the same wherever the
    // history compares it.
    const auto cleaned = [](const QStringList& folders) {
        QStringList clean;
        for (const QString& folder : folders) {
            const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
            if (!folder.isEmpty() && !clean.contains(path))
                clean << path;
        }
        return clean;
    };
    d.load = [key = d.key, cleaned](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QStringList> folders = preferenceValue::textList(store, key);
        return folders ? std::optional(Loaded{cleaned(*folders)}) : std::nullopt;
    };
    d.normalized = [cleaned](const QVariant& value) {
        return QVariant(cleaned(value.toStringList()));
    };
    d.text = [](const QVariant& value) {
        return compact(QJsonDocument(QJsonArray::fromStringList(value.toStringList())));
    };
    d.parse = [key = d.key, cleaned](const QString& text) {
        const std::optional<QStringList> folders = textArray(text);
        if (!folders)
            return refused(
                QCoreApplication::translate("SettingsTable", "%1 takes a JSON array of folders.")
                    .arg(quoted(key)));
        return accepted(cleaned(*folders));
    };
    return d;
}

SettingDefinition recentProjects(const char* description) {
    SettingDefinition d = row(setting::recentProjects, Kind::list, QStringList(), description,
                              QStringLiteral(R"(["Wedding","Birthday"])"));
    const auto kept = [](const QStringList& names) {
        return names.mid(0, AppSettings::recentProjectsLimit);
    };
    d.load = [key = d.key, kept](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QStringList> names = preferenceValue::textList(store, key);
        return names ? std::optional(Loaded{kept(*names)}) : std::nullopt;
    };
    d.normalized = [kept](const QVariant& value) { return QVariant(kept(value.toStringList())); };
    d.text = [](const QVariant& value) {
        return compact(QJsonDocument(QJsonArray::fromStringList(value.toStringList())));
    };
    d.parse = [key = d.key](const QString& text) {
        const std::optional<QStringList> names = textArray(text);
        if (!names)
            return refused(
                QCoreApplication::translate("SettingsTable", "%1 takes a JSON array of names.")
                    .arg(quoted(key)));
        return accepted(*names);
    };
    return d;
}

SettingDefinition excludedCategories(const char* description) {
    using Categories = QSet<MediaCategory>;
    SettingDefinition d = row(setting::excludedCategories, Kind::list, Categories(), description,
                              QStringLiteral(R"(["audio","other"])"));
    for (const MediaCategory category : mediaCategory::allCases)
        d.choices << mediaCategory::rawValue(category);
    d.load = [key = d.key](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QStringList> names = preferenceValue::textList(store, key);
        if (!names)
            return std::nullopt;
        Categories excluded;
        for (const MediaCategory category : mediaCategory::allCases)
            if (names->contains(mediaCategory::rawValue(category)))
                excluded.insert(category);
        return Loaded{QVariant::fromValue(excluded)};
    };
    d.stored = [](const QVariant& value) {
        return QVariant(excludedNames(qvariant_cast<Categories>(value)));
    };
    d.text = [](const QVariant& value) {
        return compact(QJsonDocument(
            QJsonArray::fromStringList(excludedNames(qvariant_cast<Categories>(value)))));
    };
    d.parse = [](const QString& text) {
        // A JSON array as listed, or the names separated by commas.
        std::optional<QStringList> names = textArray(text);
        if (!names)
            names = text.split(u',', Qt::SkipEmptyParts);
        Categories excluded;
        for (const QString& name : *names) {
            const std::optional<MediaCategory> category =
                mediaCategory::fromRawValue(name.trimmed());
            if (!category)
                return refused(QCoreApplication::translate("SettingsTable",
                                                           "“excludedCategories” takes the names "
                                                           "video, photo, audio and other, not %1.")
                                   .arg(quoted(name.trimmed())));
            excluded.insert(*category);
        }
        return accepted(QVariant::fromValue(excluded));
    };
    return d;
}

SettingDefinition dateFilter(const char* description) {
    SettingDefinition d = row(setting::dateFilter, Kind::structured, DateFilter::any(), description,
                              QStringLiteral("2024-05-01..2024-05-03"));
    const auto toJson = [](const DateFilter& filter) { return QJsonDocument(filter.toJson()); };
    storedAsJson<DateFilter>(d, toJson, [](const QJsonDocument& document) {
        return DateFilter::fromJson(document.object());
    });
    d.parse = [](const QString& text) {
        std::optional<DateFilter> filter = DateFilter::fromText(text, QDateTime::currentDateTime());
        if (!filter)
            if (const std::optional<QJsonDocument> document = parseJson(text);
                document && document->isObject())
                filter = DateFilter::fromJson(document->object());
        if (!filter)
            return refused(QCoreApplication::translate(
                "SettingsTable", "“dateFilter” takes any, today, last7days, two dates like "
                                 "2024-05-01..2024-05-03, or its JSON form."));
        return accepted(QVariant::fromValue(*filter));
    };
    return d;
}

SettingDefinition fileRules(const char* description) {
    SettingDefinition d = row(
        setting::fileRules, Kind::structured, FileRules::standard(), description,
        QStringLiteral(
            R"({"proxyExtensions":["lrv"],"sidecarExtensions":["xml"],"ignorePatterns":["*.tmp"]})"));
    storedAsJson<FileRules>(
        d, [](const FileRules& rules) { return QJsonDocument(rules.toJson()); },
        [](const QJsonDocument& document) { return FileRules::fromJson(document.object()); });
    d.parse = [](const QString& text) {
        const std::optional<QJsonDocument> document = parseJson(text);
        std::optional<FileRules> rules = document && document->isObject()
                                             ? FileRules::fromJson(document->object())
                                             : std::nullopt;
        if (!rules)
            return refused(QCoreApplication::translate(
                "SettingsTable", "“fileRules” takes a JSON object with the lists "
                                 "“proxyExtensions”, “sidecarExtensions” and “ignorePatterns”."));
        rules->proxyExtensions = FileRules::cleanExtensions(rules->proxyExtensions);
        rules->sidecarExtensions = FileRules::cleanExtensions(rules->sidecarExtensions);
        rules->ignorePatterns = FileRules::cleanPatterns(rules->ignorePatterns);
        return accepted(QVariant::fromValue(*rules));
    };
    return d;
}

SettingDefinition ignoredImportCards(const char* description) {
    using Cards = QList<IgnoredImportCard>;
    SettingDefinition d = row(setting::ignoredImportCards, Kind::structured, Cards(), description,
                              QStringLiteral(R"([{"identity":"1234-ABCD","name":"A7S"}])"));
    storedAsJson<Cards>(
        d,
        [](const Cards& cards) {
            QJsonArray array;
            for (const IgnoredImportCard& card : cards)
                array.append(card.toJson());
            return QJsonDocument(array);
        },
        cardsFromJson);
    d.parse = [](const QString& text) {
        const std::optional<QJsonDocument> document = parseJson(text);
        const std::optional<Cards> cards = document ? cardsFromJson(*document) : std::nullopt;
        if (!cards)
            return refused(QCoreApplication::translate(
                "SettingsTable",
                "“ignoredImportCards” takes a JSON array of objects with “identity” and “name”."));
        return accepted(QVariant::fromValue(*cards));
    };
    return d;
}

QStringList hashNames(const QList<HashFormat>& formats) {
    QStringList names;
    for (const HashFormat format : formats)
        names << hashFormat::name(format);
    return names;
}

// The offered formats named, each once, in the order they are offered; the names that are not
// offered are set apart.
QList<HashFormat> offeredHashes(const QStringList& names, QStringList* others = nullptr) {
    QList<HashFormat> formats;
    for (const HashFormat format : ascMhlHashes::offered())
        if (names.contains(hashFormat::name(format)))
            formats << format;
    if (others)
        for (const QString& name : names)
            if (!others->contains(name) && !hashNames(formats).contains(name))
                *others << name;
    return formats;
}

SettingDefinition hashFormats(const char* description) {
    using Formats = QList<HashFormat>;
    SettingDefinition d = row(setting::ascMhlHashes, Kind::list, Formats(), description,
                              QStringLiteral(R"(["md5","c4"])"));
    d.choices = hashNames(ascMhlHashes::offered());
    d.load = [key = d.key](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QStringList> names = preferenceValue::textList(store, key);
        if (!names)
            return std::nullopt;
        QStringList dropped;
        const Formats formats = offeredHashes(*names, &dropped);
        // xxh128 is taken anyway; anything else would leave the histories short of a format
        // the production asked for, so it is said.
        dropped.removeAll(hashFormat::name(HashFormat::xxh128));
        if (!dropped.isEmpty())
            Log::info(Log::Category::app,
                      QStringLiteral("The setting “%1” named formats the ASC MHL histories don’t "
                                     "take, and they were dropped: %2. It takes %3.")
                          .arg(key, dropped.join(QStringLiteral(", ")),
                               hashNames(ascMhlHashes::offered()).join(QStringLiteral(", "))));
        return Loaded{QVariant::fromValue(formats), formats.size() != names->size()};
    };
    d.stored = [](const QVariant& value) {
        return QVariant(hashNames(qvariant_cast<Formats>(value)));
    };
    d.normalized = [](const QVariant& value) {
        return QVariant::fromValue(offeredHashes(hashNames(qvariant_cast<Formats>(value))));
    };
    d.text = [](const QVariant& value) {
        return compact(
            QJsonDocument(QJsonArray::fromStringList(hashNames(qvariant_cast<Formats>(value)))));
    };
    d.parse = [key = d.key, choices = d.choices](const QString& text) {
        // A JSON array as listed, or the names separated by commas.
        std::optional<QStringList> names = textArray(text);
        if (!names)
            names = text.split(u',', Qt::SkipEmptyParts);
        for (QString& name : *names)
            name = name.trimmed().toLower();
        QStringList others;
        const Formats formats = offeredHashes(*names, &others);
        const QString xxh128 = hashFormat::name(HashFormat::xxh128);
        QStringList notes;
        if (others.removeAll(xxh128) > 0)
            notes << QCoreApplication::translate("SettingsTable",
                                                 "xxh128 is always taken; it needn’t be listed.");
        if (!others.isEmpty())
            return refused(
                QCoreApplication::translate("SettingsTable", "%1 takes the formats %2, not %3.")
                    .arg(quoted(key), choices.join(QStringLiteral(", ")), quoted(others.first())),
                notes);
        return accepted(QVariant::fromValue(formats), notes);
    };
    return d;
}

SettingDefinition historyServer(const char* description) {
    SettingDefinition d = text(setting::historyServer, description,
                               QStringLiteral("host=db.studio dbname=stowly user=cart2"));
    d.parse = [](const QString& text) {
        const QString trimmed = text.trimmed();
        QString error;
        if (!trimmed.isEmpty() && !ServerAddress::parse(trimmed, &error))
            return refused(error);
        return accepted(trimmed);
    };
    return d;
}

SettingDefinition internal(SettingDefinition d) {
    d.internal = true;
    return d;
}

QString themeName(ThemeID theme) {
    return displayOptions::rawValue(theme);
}

QString appearanceName(AppAppearance appearance) {
    return displayOptions::rawValue(appearance);
}

QString layoutName(MediaLayout layout) {
    return displayOptions::rawValue(layout);
}

QString promptStyleName(ImportPromptStyle style) {
    return importPromptStyle::rawValue(style);
}

QString languageName(QString value) {
    return value;
}

QString tabName(SettingsTab tab) {
    return settingsTab::rawValue(tab);
}

QList<SettingDefinition> makeRows() {
    namespace k = setting;
    return {
        destinationPath(QT_TRANSLATE_NOOP("SettingsTable", "The folder the copies go into.")),
        folderList(k::backupDestinations,
                   QT_TRANSLATE_NOOP("SettingsTable",
                                     "Further folders, usually on other drives, that get a copy "
                                     "too.")),
        folderList(k::cascadeDestinations,
                   QT_TRANSLATE_NOOP("SettingsTable",
                                     "The backup folders that copy from the first copy once it is "
                                     "proved rather than from the card, so the card is free "
                                     "sooner.")),
        flag(k::verifySource, false,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "Read each file from the card again after its copies are "
                               "verified, to catch a failing card or reader.")),
        flag(
            k::writeAscMhl, false,
            QT_TRANSLATE_NOOP("SettingsTable",
                              "Keep an ASC MHL history (xxh128) at the top of every destination.")),
        hashFormats(QT_TRANSLATE_NOOP("SettingsTable",
                                      "The formats the ASC MHL histories take besides xxh128, "
                                      "from the same read of the card as the copy.")),
        flag(k::shareDestinationDrives, false,
             QT_TRANSLATE_NOOP("SettingsTable", "Copy to one drive from several cards at once.")),
        flag(k::ejectAfterOffload, false,
             QT_TRANSLATE_NOOP("SettingsTable", "Eject the card when its offload is done.")),
        text(k::afterOffloadProgram,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "A program run after each card's offload, with the offload as "
                               "JSON on its standard input; empty for none."),
             QStringLiteral("/usr/local/bin/offload-done")),
        text(k::operatorName,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "The person who offloads, named in every offload's report."),
             QStringLiteral("Sam Lee")),
        historyServer(QT_TRANSLATE_NOOP(
            "SettingsTable",
            "A PostgreSQL server that keeps one history of verified copies for several "
            "stations, in libpq’s form; empty to keep the history on this computer only. The "
            "password comes from ~/.pgpass, a passfile=, or the desktop’s keyring.")),
        text(k::stationName,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "This station’s name in the shared history; empty for the "
                               "computer’s host name."),
             QStringLiteral("cart-2")),
        flag(k::trustOtherStations, false,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "Trust copies verified by other stations: a card may be erased "
                               "when its copies are where only another station can check them.")),
        flag(k::writeReports, false,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "Write each offload's report (PDF and CSV) into every destination, "
                               "in a folder named Stowly Reports.")),
        namingTemplate(
            k::folderTemplate, NamingTemplate::Kind::folder, QStringLiteral("{date}/{project}"),
            QT_TRANSLATE_NOOP("SettingsTable", "How the folders the copies go into are named."),
            QStringLiteral("{date}/{camera}")),
        namingTemplate(k::fileTemplate, NamingTemplate::Kind::file,
                       QStringLiteral("{date}_{project}_{seq}"),
                       QT_TRANSLATE_NOOP("SettingsTable", "How the copied files are named."),
                       QStringLiteral("{date}_{seq}")),
        text(k::lastProject,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "The project of the last offload, offered for the next."),
             QStringLiteral("Wedding")),
        recentProjects(QT_TRANSLATE_NOOP("SettingsTable",
                                         "The projects offered again, the most recent first.")),
        excludedCategories(
            QT_TRANSLATE_NOOP("SettingsTable", "The kinds of files left on the card.")),
        flag(k::playSuccessSound, true,
             QT_TRANSLATE_NOOP("SettingsTable", "Play a sound when an offload succeeds.")),
        flag(k::skipShortClips, true,
             QT_TRANSLATE_NOOP("SettingsTable", "Leave clips shorter than a few seconds behind.")),
        number(k::shortClipSeconds, 5, AppSettings::shortClipSecondsMinimum,
               AppSettings::shortClipSecondsMaximum, QStringLiteral("seconds"),
               QT_TRANSLATE_NOOP("SettingsTable",
                                 "How many seconds a clip must last not to be left behind.")),
        choice<ThemeID>(k::theme, ThemeID::standard,
                        {ThemeID::standard, ThemeID::aurora, ThemeID::ocean, ThemeID::twilight,
                         ThemeID::ember, ThemeID::forest},
                        themeName,
                        QT_TRANSLATE_NOOP("SettingsTable", "The colours of the windows."), true),
        choice<AppAppearance>(
            k::appearance, AppAppearance::dark,
            {AppAppearance::system, AppAppearance::light, AppAppearance::dark}, appearanceName,
            QT_TRANSLATE_NOOP("SettingsTable",
                              "Light or dark windows, or as the desktop has them.")),
        choice<QString>(k::language, QString(Translations::followDesktop),
                        Translations::settingValues(), languageName,
                        QT_TRANSLATE_NOOP("SettingsTable",
                                          "The language Stowly speaks, or “system” for the "
                                          "desktop’s; it takes effect when Stowly next starts.")),
        choice<MediaLayout>(
            k::mediaLayout, MediaLayout::list, {MediaLayout::list, MediaLayout::grid}, layoutName,
            QT_TRANSLATE_NOOP("SettingsTable", "A card’s files as a list or a grid.")),
        flag(k::listThumbnails, false,
             QT_TRANSLATE_NOOP("SettingsTable", "Show thumbnails in the list of files.")),
        flag(k::quickDump, false,
             QT_TRANSLATE_NOOP("SettingsTable", "Offload without a project in the names.")),
        dateFilter(QT_TRANSLATE_NOOP("SettingsTable", "Which days’ files an offload takes.")),
        flag(k::keepRunningInMenuBar, false,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "Keep running in the background when the window closes.")),
        flag(k::askToImportOnMount, true,
             QT_TRANSLATE_NOOP("SettingsTable", "Ask to offload a card when it is inserted.")),
        // A desktop's automounter mounts cards already; two would race for each card.
        flag(k::mountCardsWhenInserted, !DesktopAutomounter::isRunning(),
             QT_TRANSLATE_NOOP("SettingsTable", "Mount cards when they are inserted.")),
        flag(k::showMenuBarIcon, true,
             QT_TRANSLATE_NOOP("SettingsTable",
                               "Show Stowly’s icon while it runs in the background.")),
        choice<ImportPromptStyle>(
            k::importPromptStyle, ImportPromptStyle::notification,
            {ImportPromptStyle::notification, ImportPromptStyle::panel}, promptStyleName,
            QT_TRANSLATE_NOOP("SettingsTable", "Ask to offload in a notification or a panel.")),
        ignoredImportCards(
            QT_TRANSLATE_NOOP("SettingsTable", "The cards Stowly no longer asks to offload.")),
        fileRules(QT_TRANSLATE_NOOP("SettingsTable",
                                    "Which files are proxies or sidecars, and which are ignored.")),
        internal(
            flag(k::destinationMovedToFavorites, false,
                 QT_TRANSLATE_NOOP("SettingsTable",
                                   "Whether the one destination of older versions is now among "
                                   "the favourites."))),
        internal(choice<SettingsTab>(
            k::settingsTab, SettingsTab::general,
            {SettingsTab::general, SettingsTab::appearance, SettingsTab::presets,
             SettingsTab::automaticOffload, SettingsTab::destinations, SettingsTab::naming,
             SettingsTab::files, SettingsTab::cameras},
            tabName, QT_TRANSLATE_NOOP("SettingsTable", "The tab the settings window shows."))),
    };
}

} // namespace

const QList<HashFormat>& ascMhlHashes::offered() {
    static const QList<HashFormat> formats{HashFormat::md5, HashFormat::sha1, HashFormat::xxh64,
                                           HashFormat::c4};
    return formats;
}

const QList<SettingDefinition>& SettingsTable::rows() {
    static const QList<SettingDefinition> table = makeRows();
    return table;
}

qsizetype SettingsTable::indexOf(QAnyStringView key) {
    const QList<SettingDefinition>& table = rows();
    for (qsizetype i = 0; i < table.size(); ++i)
        if (QAnyStringView::equal(table[i].key, key))
            return i;
    return -1;
}

const SettingDefinition* SettingsTable::find(QAnyStringView key) {
    const qsizetype index = indexOf(key);
    return index < 0 ? nullptr : &rows()[index];
}

} // namespace stowly
