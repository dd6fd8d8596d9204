#include "app/settings/Translations.h"

#include "app/settings/PseudoTranslator.h"
#include "base/AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace stowly::Translations {
namespace {

QString& installed() {
    static QString language = QStringLiteral("en");
    return language;
}

std::vector<std::unique_ptr<QTranslator>>& translators() {
    static std::vector<std::unique_ptr<QTranslator>> list;
    return list;
}

// "de_DE.UTF-8@euro" -> "de"; empty for the C locale.
QString languageOf(const QString& locale) {
    QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    return name.section(u'_', 0, 0).section(u'-', 0, 0).toLower();
}

QString pick(const QString& language) {
    if (language == u"en" || shipped().contains(language))
        return language;
    return {};
}

} // namespace

QStringList shipped() {
    // The catalogues the build compiled in: a translator's new file is a new language.
    QStringList codes;
    for (const QString& file :
         QDir(QStringLiteral(":/i18n"))
             .entryList({QStringLiteral("stowly_*.qm")}, QDir::Files, QDir::Name))
        codes << file.mid(7).chopped(3);
    return codes;
}

QStringList settingValues() {
    return QStringList{followDesktop, QStringLiteral("en")} + shipped() + QStringList{pseudo};
}

QString displayName(const QString& value) {
    if (value == followDesktop)
        return QCoreApplication::translate("Translations", "Same as the desktop");
    if (value == pseudo)
        return QCoreApplication::translate("Translations", "Layout check (lengthened texts)");
    QString name = QLocale(value).nativeLanguageName();
    if (value == u"en")
        name = QStringLiteral("English");
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString fromEnvironment() {
    // gettext's order: a LANGUAGE list counts only when the locale itself isn't C.
    const QString locale = [] {
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
            if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
                return value;
        return QString();
    }();
    if (!languageOf(locale).isEmpty()) {
        for (const QString& entry :
             qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
            if (const QString language = pick(languageOf(entry)); !language.isEmpty())
                return language;
    }
    const QString language = pick(languageOf(locale));
    return language.isEmpty() ? QStringLiteral("en") : language;
}

QString resolve(const QString& settingValue) {
    if (settingValue == pseudo || pick(settingValue) == settingValue && !settingValue.isEmpty())
        return settingValue;
    return fromEnvironment();
}

bool install(const QString& language, Forms forms) {
    for (const auto& translator : translators())
        QCoreApplication::removeTranslator(translator.get());
    translators().clear();
    installed() = QStringLiteral("en");
    QLocale::setDefault(QLocale::system());

    if (language == pseudo) {
        translators().push_back(std::make_unique<PseudoTranslator>());
    } else if (shipped().contains(language)) {
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral(":/i18n/stowly_%1.qm").arg(language)))
            return false;
        translators().push_back(std::move(own));
        // Qt's own texts (the buttons of its dialogs), when the system has them.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            translators().push_back(std::move(qt));
    } else if (language != u"en") {
        return false;
    }
    for (const auto& translator : translators())
        QCoreApplication::installTranslator(translator.get());
    installed() = language;
    if (forms == Forms::language && language != pseudo &&
        QLocale::system().name().section(u'_', 0, 0) != language)
        QLocale::setDefault(QLocale(language));
    return true;
}

QString current() {
    return installed();
}

void installFromPreferences() {
    // The preferences file as the settings keep it, read before they are made.
    const QSettings preferences(AppFolders::preferencesFile(), QSettings::IniFormat);
    const QString value = preferences.value(QStringLiteral("language")).toString();
    const QString language = resolve(value);
    // A language chosen apart from the desktop's brings its own number and date forms.
    install(language, language == value ? Forms::language : Forms::desktop);
}

} // namespace stowly::Translations
