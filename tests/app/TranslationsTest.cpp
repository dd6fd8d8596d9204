#include "app/settings/Translations.h"
#include "app/model/OffloadFormatting.h"
#include "app/model/QueueLines.h"
#include "app/settings/PseudoTranslator.h"
#include "devices/SpaceInfo.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace stowly {
namespace {

using test::TempDir;

QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(L?[0-9]+|L?n)"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// What is wrong with one catalogue: texts without a finished translation, and translations
// whose placeholders are not the source's.
QStringList problemsOf(const QString& file) {
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly))
        return {QStringLiteral("can't read ") + file};
    QStringList problems;
    QXmlStreamReader xml(&ts);
    QString context;
    QString source;
    QStringList forms;
    bool unfinished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == u"name") {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == u"message") {
            source.clear();
            forms.clear();
            unfinished = false;
        } else if (xml.isStartElement() && name == u"source") {
            source = xml.readElementText();
        } else if (xml.isStartElement() && name == u"translation") {
            unfinished = !xml.attributes().value(QStringLiteral("type")).isEmpty();
        } else if (xml.isStartElement() && name == u"numerusform") {
            forms << xml.readElementText();
        } else if (xml.isCharacters() && !xml.isWhitespace() && forms.isEmpty()) {
            forms << xml.text().toString();
        } else if (xml.isEndElement() && name == u"message") {
            const QString where = context + QStringLiteral(" | ") + source;
            if (unfinished || forms.isEmpty() || forms.contains(QString()))
                problems << QStringLiteral("untranslated: ") + where;
            for (const QString& form : forms)
                if (placeholders(form) != placeholders(source))
                    problems << QStringLiteral("placeholders differ: ") + where +
                                    QStringLiteral(" → ") + form;
        }
    }
    if (xml.hasError())
        problems << file + QStringLiteral(": ") + xml.errorString();
    return problems;
}

// The sources' texts as they are now, gathered into copies of the shipped catalogues.
TEST(TranslationsTest, EveryCatalogueTranslatesEveryTextWithItsPlaceholders) {
    const QDir shipped(QStringLiteral(STOWLY_TESTS_DIR "/../translations"));
    const QStringList files = shipped.entryList({QStringLiteral("stowly_*.ts")}, QDir::Files);
    for (const char* language : {"de", "es", "fr", "ja"})
        EXPECT_TRUE(files.contains(QStringLiteral("stowly_%1.ts").arg(QLatin1String(language))))
            << language;
    TempDir copies;
    QStringList copied;
    for (const QString& file : files) {
        ASSERT_TRUE(QFile::copy(shipped.filePath(file), copies(file)));
        copied << copies(file);
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(STOWLY_LUPDATE),
                  QStringList{"-silent", "-locations", "none", "-no-obsolete", "-source-language",
                              "en", QStringLiteral(STOWLY_TESTS_DIR "/../src"), "-ts"} +
                      copied);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    for (const QString& file : copied) {
        const QStringList problems = problemsOf(file);
        EXPECT_TRUE(problems.isEmpty())
            << QFileInfo(file).fileName().toStdString() << ": " << problems.size()
            << " problems (run `make translations`, then translate):\n"
            << problems.mid(0, 25).join(u'\n').toStdString();
    }
}

class Environment {
public:
    explicit Environment(const QHash<QByteArray, QByteArray>& values) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            m_saved.insert(name, qgetenv(name));
            qunsetenv(name);
        }
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            qputenv(it.key().constData(), it.value());
    }
    ~Environment() {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            if (it.value().isEmpty())
                qunsetenv(it.key().constData());
            else
                qputenv(it.key().constData(), it.value());
    }

private:
    QHash<QByteArray, QByteArray> m_saved;
};

TEST(TranslationsTest, TheDesktopsLanguageIsReadAsGettextReadsIt) {
    const std::pair<QHash<QByteArray, QByteArray>, QString> cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "ja_JP.UTF-8@cjk"}}, "ja"},
        // A language without a catalogue is English.
        {{{"LANG", "pt_BR.UTF-8"}}, "en"},
        {{}, "en"},
        // The first language of the list that has a catalogue.
        {{{"LANGUAGE", "pt_BR:fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        {{{"LANGUAGE", "pt_BR"}, {"LANG", "es_ES.UTF-8"}}, "es"},
        // The C locale speaks English whatever LANGUAGE says.
        {{{"LANGUAGE", "fr"}, {"LANG", "C"}}, "en"},
        {{{"LANGUAGE", "fr"}, {"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "en"},
        // LC_ALL before LC_MESSAGES before LANG.
        {{{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LANG", "de_DE"}}, "ja"},
        {{{"LC_MESSAGES", "es_ES"}, {"LANG", "de_DE"}}, "es"},
    };
    for (const auto& [variables, language] : cases) {
        const Environment environment(variables);
        EXPECT_EQ(Translations::fromEnvironment(), language) << variables.value("LANG").data();
        // A setting names a language, or follows the desktop; a stale one follows it too.
        EXPECT_EQ(Translations::resolve(QStringLiteral("system")), language);
        EXPECT_EQ(Translations::resolve(QStringLiteral("klingon")), language);
        EXPECT_EQ(Translations::resolve(QStringLiteral("fr")), "fr");
        EXPECT_EQ(Translations::resolve(QStringLiteral("en")), "en");
    }
}

// Texts from every layer, in its catalogue's words and plural forms, then English again.
TEST(TranslationsTest, AnInstalledLanguageSpeaksThroughEveryLayer) {
    const QString english = OffloadFormatting::cardDetail(2, std::nullopt, 1);
    const QString waiting = QueueLines::waitingForTurn();
    ASSERT_EQ(english, "2 new files · 1 ignored");
    EXPECT_EQ(Translations::shipped(), QStringList({"de", "es", "fr", "ja"}));
    for (const QString& language : Translations::shipped()) {
        ASSERT_TRUE(Translations::install(language)) << language.toStdString();
        EXPECT_EQ(Translations::current(), language);
        const QString two = OffloadFormatting::cardDetail(2, std::nullopt, 1);
        EXPECT_NE(two, english) << language.toStdString();
        EXPECT_TRUE(two.contains(u'2')) << two.toStdString();
        EXPECT_NE(OffloadFormatting::cardDetail(7, std::nullopt, 0),
                  OffloadFormatting::cardDetail(1, std::nullopt, 0));
        // A text of a file whose words are under a context of their own.
        EXPECT_NE(QueueLines::waitingForTurn(), waiting) << language.toStdString();
    }
    EXPECT_TRUE(Translations::install(QStringLiteral("en")));
    EXPECT_EQ(OffloadFormatting::cardDetail(2, std::nullopt, 1), english);
    EXPECT_FALSE(Translations::install(QStringLiteral("klingon")));
    EXPECT_EQ(Translations::current(), "en");
}

TEST(TranslationsTest, ALanguageChosenApartFromTheDesktopBringsItsNumberForms) {
    const QString desktop = SpaceInfo::formatBytes(1'500'000);
    ASSERT_TRUE(Translations::install(QStringLiteral("de"), Translations::Forms::language));
    EXPECT_EQ(SpaceInfo::formatBytes(1'500'000), QStringLiteral("1,5 MB"));
    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    EXPECT_EQ(SpaceInfo::formatBytes(1'500'000), desktop);
    Translations::install(QStringLiteral("en"));
}

TEST(TranslationsTest, TheLayoutCheckLengthensEveryTextButKeepsWhatMustStay) {
    const QString source = QStringLiteral("Copy %1 of %n files to {camera} <b>now</b> &amp; %L2");
    const QString checked = PseudoTranslator::lengthened(source);
    EXPECT_TRUE(checked.startsWith(u'[') && checked.endsWith(u']')) << checked.toStdString();
    EXPECT_GE(checked.size(), source.size() * 14 / 10);
    EXPECT_EQ(placeholders(checked), placeholders(source));
    for (const char* kept : {"{camera}", "<b>", "</b>", "&amp;"})
        EXPECT_TRUE(checked.contains(QLatin1String(kept))) << kept;
    EXPECT_FALSE(checked.contains(QStringLiteral("Copy"))) << checked.toStdString();
    // Nothing to read, nothing to lengthen.
    EXPECT_EQ(PseudoTranslator::lengthened(QStringLiteral("%1 · %2")), "%1 · %2");

    ASSERT_TRUE(Translations::install(QString(Translations::pseudo)));
    const QString line = OffloadFormatting::cardDetail(2, std::nullopt, 0);
    EXPECT_TRUE(line.startsWith(u'[') && line.contains(u'2')) << line.toStdString();
    Translations::install(QStringLiteral("en"));
}

} // namespace
} // namespace stowly
