#include "cli/SettingsCommand.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/Station.h"
#include "naming/NamingTemplate.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <functional>

namespace stowly {
namespace {

// Why a value was refused, one sentence per line; none when it was stored.
using Refusal = std::optional<QString>;

struct Key {
    QString name;
    std::function<QString(const AppSettings&)> get;
    // Empty for a key only Stowly itself sets.
    std::function<Refusal(AppModel&, const QString&, Console&)> set;
};

QString quoted(const QString& text) {
    return u'“' + text + u'”';
}

QString compact(const QJsonDocument& document) {
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

QString flagText(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

Refusal takes(const QString& key, const QStringList& values) {
    QString list = values.first();
    for (qsizetype i = 1; i < values.size(); ++i)
        list +=
            (i + 1 == values.size() ? QStringLiteral(" or ") : QStringLiteral(", ")) + values[i];
    return quoted(key) + QStringLiteral(" takes ") + list + u'.';
}

Key flagKey(const QString& name, bool (AppSettings::*get)() const, void (AppSettings::*set)(bool)) {
    return {name, [get](const AppSettings& s) { return flagText((s.*get)()); },
            [name, set](AppModel& m, const QString& value, Console&) -> Refusal {
                if (value != u"true" && value != u"false")
                    return takes(name, {QStringLiteral("true"), QStringLiteral("false")});
                (m.settings().*set)(value == u"true");
                return std::nullopt;
            }};
}

template <typename T>
Key choiceKey(const QString& name, T (AppSettings::*get)() const, void (AppSettings::*set)(T),
              QList<T> cases, std::function<QString(T)> raw) {
    return {name, [get, raw](const AppSettings& s) { return raw((s.*get)()); },
            [name, set, cases, raw](AppModel& m, const QString& value, Console&) -> Refusal {
                QStringList names;
                for (const T c : cases) {
                    names << raw(c);
                    if (raw(c) == value) {
                        (m.settings().*set)(c);
                        return std::nullopt;
                    }
                }
                return takes(name, names);
            }};
}

Key templateKey(const QString& name, NamingTemplate::Kind kind,
                const QString& (AppSettings::*get)() const,
                void (AppSettings::*set)(const QString&)) {
    return {name, [get](const AppSettings& s) { return (s.*get)(); },
            [kind, set](AppModel& m, const QString& value, Console& console) -> Refusal {
                const NamingTemplate::ParseResult parsed = NamingTemplate::parse(value, kind);
                QStringList errors;
                for (const TemplateIssue& issue : parsed.issues) {
                    if (issue.severity == TemplateIssue::Severity::error)
                        errors << issue.message;
                    else
                        console.message(issue.message);
                }
                if (!parsed.template_)
                    return errors.join(u'\n');
                (m.settings().*set)(value);
                return std::nullopt;
            }};
}

std::optional<QJsonDocument> parseJson(const QString& value) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(value.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    return document;
}

std::optional<QStringList> textArray(const QString& value) {
    const std::optional<QJsonDocument> document = parseJson(value);
    if (!document || !document->isArray())
        return std::nullopt;
    QStringList list;
    for (const QJsonValue& item : document->array()) {
        if (!item.isString())
            return std::nullopt;
        list << item.toString();
    }
    return list;
}

Refusal setDestination(AppModel& model, const QString& value, Console&) {
    if (value.isEmpty()) {
        model.settings().setDestinationPath(std::nullopt);
        return std::nullopt;
    }
    if (!QFileInfo(value).isDir())
        return QStringLiteral("There’s no folder at ") + quoted(value) + u'.';
    // As choosing the folder in the window: through its favourite when it has one.
    model.useFolder(QDir::cleanPath(QFileInfo(value).absoluteFilePath()));
    return std::nullopt;
}

Refusal setShortClipSeconds(AppModel& model, const QString& value, Console&) {
    bool ok = false;
    const int seconds = value.toInt(&ok);
    if (!ok || seconds < AppSettings::shortClipSecondsMinimum ||
        seconds > AppSettings::shortClipSecondsMaximum)
        return QStringLiteral("“shortClipSeconds” takes a whole number of seconds from 1 to 60.");
    model.settings().setShortClipSeconds(seconds);
    return std::nullopt;
}

QString excludedCategories(const AppSettings& settings) {
    QStringList excluded;
    for (const MediaCategory category : mediaCategory::allCases)
        if (!settings.includedCategories().contains(category))
            excluded << mediaCategory::rawValue(category);
    return compact(QJsonDocument(QJsonArray::fromStringList(excluded)));
}

Refusal setExcludedCategories(AppModel& model, const QString& value, Console&) {
    // A JSON array as listed, or the names separated by commas.
    std::optional<QStringList> names = textArray(value);
    if (!names)
        names = value.split(u',', Qt::SkipEmptyParts);
    QSet<MediaCategory> included(mediaCategory::allCases.begin(), mediaCategory::allCases.end());
    for (const QString& name : *names) {
        const std::optional<MediaCategory> category = mediaCategory::fromRawValue(name.trimmed());
        if (!category)
            return QStringLiteral("“excludedCategories” takes the names video, photo, audio and "
                                  "other, not ") +
                   quoted(name.trimmed()) + u'.';
        included.remove(*category);
    }
    model.settings().setIncludedCategories(included);
    return std::nullopt;
}

Refusal setRecentProjects(AppModel& model, const QString& value, Console&) {
    const std::optional<QStringList> names = textArray(value);
    if (!names)
        return QStringLiteral("“recentProjects” takes a JSON array of names.");
    model.settings().setRecentProjects(*names);
    return std::nullopt;
}

Refusal setDateFilter(AppModel& model, const QString& value, Console&) {
    std::optional<DateFilter> filter = CommandLine::parseDates(value, QDateTime::currentDateTime());
    if (!filter)
        if (const std::optional<QJsonDocument> document = parseJson(value);
            document && document->isObject())
            filter = DateFilter::fromJson(document->object());
    if (!filter)
        return QStringLiteral("“dateFilter” takes any, today, last7days, two dates like "
                              "2024-05-01..2024-05-03, or its JSON form.");
    model.settings().setDateFilter(*filter);
    return std::nullopt;
}

Refusal setFileRules(AppModel& model, const QString& value, Console&) {
    const std::optional<QJsonDocument> document = parseJson(value);
    std::optional<FileRules> rules =
        document && document->isObject() ? FileRules::fromJson(document->object()) : std::nullopt;
    if (!rules)
        return QStringLiteral("“fileRules” takes a JSON object with the lists "
                              "“proxyExtensions”, “sidecarExtensions” and “ignorePatterns”.");
    rules->proxyExtensions = FileRules::cleanExtensions(rules->proxyExtensions);
    rules->sidecarExtensions = FileRules::cleanExtensions(rules->sidecarExtensions);
    rules->ignorePatterns = FileRules::cleanPatterns(rules->ignorePatterns);
    model.settings().setFileRules(*rules);
    return std::nullopt;
}

QString ignoredImportCards(const AppSettings& settings) {
    QJsonArray array;
    for (const IgnoredImportCard& card : settings.ignoredImportCards())
        array.append(card.toJson());
    return compact(QJsonDocument(array));
}

Refusal setIgnoredImportCards(AppModel& model, const QString& value, Console&) {
    const std::optional<QJsonDocument> document = parseJson(value);
    const Refusal refusal = QStringLiteral(
        "“ignoredImportCards” takes a JSON array of objects with “identity” and “name”.");
    if (!document || !document->isArray())
        return refusal;
    QList<IgnoredImportCard> cards;
    for (const QJsonValue& item : document->array()) {
        const std::optional<IgnoredImportCard> card =
            item.isObject() ? IgnoredImportCard::fromJson(item.toObject()) : std::nullopt;
        if (!card)
            return refusal;
        cards << *card;
    }
    model.settings().setIgnoredImportCards(cards);
    return std::nullopt;
}

const QList<Key>& keys() {
    using S = AppSettings;
    static const QList<Key> table{
        {QStringLiteral("destinationPath"),
         [](const S& s) { return s.destinationPath().value_or(QString()); }, setDestination},
        flagKey(QStringLiteral("ejectAfterOffload"), &S::ejectAfterOffload,
                &S::setEjectAfterOffload),
        templateKey(QStringLiteral("folderTemplate"), NamingTemplate::Kind::folder,
                    &S::folderTemplate, &S::setFolderTemplate),
        templateKey(QStringLiteral("fileTemplate"), NamingTemplate::Kind::file, &S::fileTemplate,
                    &S::setFileTemplate),
        {QStringLiteral("lastProject"), [](const S& s) { return s.lastProject(); },
         [](AppModel& m, const QString& value, Console&) -> Refusal {
             m.settings().setLastProject(value.trimmed());
             return std::nullopt;
         }},
        {QStringLiteral("recentProjects"),
         [](const S& s) {
             return compact(QJsonDocument(QJsonArray::fromStringList(s.recentProjects())));
         },
         setRecentProjects},
        {QStringLiteral("excludedCategories"), excludedCategories, setExcludedCategories},
        flagKey(QStringLiteral("playSuccessSound"), &S::playSuccessSound, &S::setPlaySuccessSound),
        flagKey(QStringLiteral("skipShortClips"), &S::skipShortClips, &S::setSkipShortClips),
        {QStringLiteral("shortClipSeconds"),
         [](const S& s) { return QString::number(s.shortClipSeconds()); }, setShortClipSeconds},
        choiceKey<ThemeID>(QStringLiteral("theme"), &S::themeID, &S::setThemeID,
                           {ThemeID::standard, ThemeID::aurora, ThemeID::ocean, ThemeID::twilight,
                            ThemeID::ember, ThemeID::forest},
                           [](ThemeID t) { return displayOptions::rawValue(t); }),
        choiceKey<AppAppearance>(QStringLiteral("appearance"), &S::appearance, &S::setAppearance,
                                 {AppAppearance::system, AppAppearance::light, AppAppearance::dark},
                                 [](AppAppearance a) { return displayOptions::rawValue(a); }),
        choiceKey<MediaLayout>(QStringLiteral("mediaLayout"), &S::mediaLayout, &S::setMediaLayout,
                               {MediaLayout::list, MediaLayout::grid},
                               [](MediaLayout l) { return displayOptions::rawValue(l); }),
        flagKey(QStringLiteral("listThumbnails"), &S::showListThumbnails,
                &S::setShowListThumbnails),
        flagKey(QStringLiteral("quickDump"), &S::quickDump, &S::setQuickDump),
        {QStringLiteral("dateFilter"),
         [](const S& s) { return compact(QJsonDocument(s.dateFilter().toJson())); }, setDateFilter},
        flagKey(QStringLiteral("keepRunningInMenuBar"), &S::keepRunningInMenuBar,
                &S::setKeepRunningInMenuBar),
        flagKey(QStringLiteral("askToImportOnMount"), &S::askToImport, &S::setAskToImport),
        flagKey(QStringLiteral("showMenuBarIcon"), &S::showMenuBarIcon, &S::setShowMenuBarIcon),
        choiceKey<ImportPromptStyle>(
            QStringLiteral("importPromptStyle"), &S::importPromptStyle, &S::setImportPromptStyle,
            {ImportPromptStyle::notification, ImportPromptStyle::panel},
            [](ImportPromptStyle p) { return importPromptStyle::rawValue(p); }),
        {QStringLiteral("ignoredImportCards"), ignoredImportCards, setIgnoredImportCards},
        {QStringLiteral("fileRules"),
         [](const S& s) { return compact(QJsonDocument(s.fileRules().toJson())); }, setFileRules},
        {QStringLiteral("destinationMovedToFavorites"),
         [](const S& s) { return flagText(s.destinationMovedToFavorites()); },
         {}},
    };
    return table;
}

} // namespace

int SettingsCommand::run(const Invocation& invocation, Console& console, SignalWatcher& signals) {
    Station station(signals, Station::Settings::stored);
    AppModel& model = station.model();
    const QStringList& arguments = invocation.settingsArguments;
    if (arguments.isEmpty()) {
        for (const Key& key : keys())
            console.out() << key.name << " = " << key.get(model.settings()) << '\n';
        return exitCode::done;
    }
    const Key* key = nullptr;
    for (const Key& candidate : keys())
        if (candidate.name == arguments.first())
            key = &candidate;
    if (!key) {
        console.message(QStringLiteral("There’s no setting ") + quoted(arguments.first()) +
                        QStringLiteral(". Run “stowly-cli settings” to list them."));
        return exitCode::usage;
    }
    if (arguments.size() == 1) {
        console.out() << key->get(model.settings()) << '\n';
        return exitCode::done;
    }
    if (!key->set) {
        console.message(quoted(key->name) + QStringLiteral(" is kept by Stowly itself."));
        return exitCode::usage;
    }
    if (const Refusal refusal = key->set(model, arguments.at(1), console)) {
        console.message(*refusal);
        return exitCode::usage;
    }
    if (const auto& store = model.settings().defaults();
        store && store->status() != QSettings::NoError) {
        console.message(QStringLiteral("Couldn’t save the preferences to ") + store->fileName() +
                        u'.');
        return exitCode::failed;
    }
    console.out() << key->name << " = " << key->get(model.settings()) << '\n';
    return exitCode::done;
}

} // namespace stowly
