#include "app/settings/Translations.h"
#include "cli/CliHarness.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// The program as a person on a desktop of `locale` runs it.
Cli speaking(const QString& locale) {
    Cli cli;
    cli.environment = {{"LANG", locale}, {"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}};
    return cli;
}

// `text` of `context` as the German catalogue has it.
QString german(const char* context, const char* text, int n = -1) {
    Translations::install(QStringLiteral("de"));
    const QString translated = QCoreApplication::translate(context, text, nullptr, n);
    Translations::install(QStringLiteral("en"));
    return translated;
}

TEST(TranslatedOutputTest, PeopleReadTheirLanguageWhileScriptsReadTheSameJson) {
    TempDir cardRoot;
    TempDir destination;
    const QString card = cardRoot("EOS_DIGITAL");
    writeFile(card + "/DCIM/100TEST/A001.JPG", "first photo");
    writeFile(card + "/DCIM/100TEST/A002.JPG", "second photo");
    writeFile(card + "/DCIM/100TEST/A003.JPG", "third photo");
    const Cli english = speaking("C.UTF-8");
    const Cli inGerman = speaking("de_DE.UTF-8");

    for (const QStringList& arguments :
         {QStringList{"scan", card, "--to", destination.path(), "--json"},
          QStringList{"plan", card, "--to", destination.path(), "--project", "Shoot", "--json"}}) {
        const CliResult first = english.run(arguments);
        ASSERT_EQ(first.status, 0) << first.errText().toStdString();
        const CliResult second = inGerman.run(arguments);
        EXPECT_EQ(second.status, first.status);
        EXPECT_EQ(second.out, first.out) << arguments.first().toStdString();
    }

    const CliResult scan = inGerman.run({"scan", card, "--to", destination.path()});
    ASSERT_EQ(scan.status, 0) << scan.errText().toStdString();
    const QString files = german("TextOutput", "%n files", 3);
    ASSERT_NE(files, "3 files");
    EXPECT_TRUE(scan.outText().contains(files)) << scan.outText().toStdString();
    EXPECT_FALSE(scan.outText().contains("3 files"));

    const CliResult offload =
        inGerman.run({"offload", card, "--to", destination.path(), "--project", "Shoot"});
    ASSERT_EQ(offload.status, 0) << offload.errText().toStdString();
    const QString complete = german("OffloadFormatting", "Offload Complete");
    ASSERT_NE(complete, "Offload Complete");
    EXPECT_TRUE(offload.outText().contains(complete)) << offload.outText().toStdString();
}

} // namespace
} // namespace stowly::test
