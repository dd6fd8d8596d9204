#include "cli/CliHarness.h"
#include "mhl/FormatHasher.h"
#include "mhl/GenerationWriter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

class VerifyCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        QList<GenerationWriter::File> files;
        for (const auto& [path, content] : contents) {
            writeFile(card(path), content);
            files.append({path, content.size(), QDateTime::currentDateTimeUtc(),
                          FormatHasher::of(HashFormat::xxh128, content),
                          QDateTime::currentDateTimeUtc()});
        }
        ASSERT_EQ(GenerationWriter::write(card.path(), files,
                                          {QDateTime(QDate(2024, 5, 1), QTime(9, 0), Qt::UTC)}),
                  std::nullopt);
    }

    QStringList generations() const {
        return QDir(card("ascmhl")).entryList({"*.mhl"}, QDir::Files, QDir::Name);
    }

    const QList<std::pair<QString, QByteArray>> contents{{"Clips/A001.mov", "first clip"},
                                                         {"Clips/A002.mov", "second"},
                                                         {"Sound/A001.wav", "sound"},
                                                         {"notes.txt", "notes"}};
    TempDir card;
    Cli cli;
};

TEST_F(VerifyCommandTest, EachChangeHasItsLineAndTheStatusSaysWhetherAllMatch) {
    const CliResult clean = cli.run({"verify", card.path()});
    EXPECT_EQ(clean.status, 0) << clean.errText().toStdString();
    EXPECT_EQ(clean.outText(), "All 4 recorded files match.\n");

    QFile flipped(card("Clips/A001.mov"));
    ASSERT_TRUE(flipped.open(QIODevice::ReadWrite));
    flipped.seek(3);
    flipped.write("C");
    flipped.close();
    ASSERT_TRUE(QFile::resize(card("Clips/A002.mov"), 2));
    ASSERT_TRUE(QFile::remove(card("Sound/A001.wav")));
    writeFile(card("Clips/A003.mov"), "new");
    // Neither counts: the system's litter and a copy still under way.
    writeFile(card("Clips/.DS_Store"), "x");
    writeFile(card("Clips/A004.mov.stowly-partial"), "x");

    const CliResult changed = cli.run({"verify", card.path()});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.outText(),
              "Changed: Clips/A001.mov doesn’t match its xxh128 in the history.\n"
              "Changed: Clips/A002.mov is 2 bytes; the history says 6.\n"
              "Missing: Sound/A001.wav\n"
              "Not in the history: Clips/A003.mov\n"
              "1 of 4 recorded files match; 1 missing, 2 changed, 0 unreadable, 1 not in the "
              "history.\n");

    const QJsonObject json = cli.run({"verify", card.path(), "--json"}).object();
    EXPECT_EQ(json["verified"].toInt(), 1);
    EXPECT_EQ(json["changed"].toInt(), 2);
    EXPECT_EQ(json["missing"].toInt(), 1);
    EXPECT_EQ(json["notRecorded"].toInt(), 1);
    EXPECT_FALSE(json["allMatch"].toBool());
    EXPECT_EQ(json["files"].toArray().size(), 5);
}

TEST_F(VerifyCommandTest, RecordAppendsAnInPlaceGenerationAndKeepsTheOriginalValues) {
    const QString firstName = generations().value(0);
    const QByteArray first = readFile(card("ascmhl/" + firstName));
    writeFile(card("notes.txt"), "NOTES");
    const CliResult recorded = cli.run({"verify", card.path(), "--record"});
    EXPECT_EQ(recorded.status, 1);
    const QStringList names = generations();
    ASSERT_EQ(names.size(), 2);
    EXPECT_TRUE(names[1].startsWith("0002_" + QFileInfo(card.path()).fileName() + "_"));
    EXPECT_TRUE(recorded.outText().endsWith("Recorded as " + names[1] + ".\n"));
    EXPECT_EQ(readFile(card("ascmhl/" + firstName)), first);
    const QByteArray second = readFile(card("ascmhl/" + names[1]));
    EXPECT_TRUE(second.contains("<process>in-place</process>"));
    EXPECT_EQ(second.count("action=\"verified\""), 3);
    EXPECT_EQ(second.count("action=\"failed\""), 1);
    EXPECT_TRUE(second.contains("<path size=\"5\"") && second.contains("notes.txt</path>"));

    // The failed value is no new reference: the change still shows.
    const CliResult again = cli.run({"verify", card.path()});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.outText().startsWith("Changed: notes.txt doesn’t match its xxh128"));
    writeFile(card("notes.txt"), "notes");
    EXPECT_EQ(cli.run({"verify", card.path()}).status, 0);
}

TEST_F(VerifyCommandTest, AFolderWithoutAUsableHistoryIsAnError) {
    TempDir plain;
    const CliResult none = cli.run({"verify", plain.path()});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.errText().contains("has no ASC MHL history")) << none.errText().toStdString();
    EXPECT_EQ(cli.run({"verify", plain("absent")}).status, 2);
    EXPECT_EQ(cli.run({"verify"}).status, 2);

    const QString manifest = card("ascmhl/" + generations().value(0));
    writeFile(manifest, readFile(manifest).left(200));
    const CliResult broken = cli.run({"verify", card.path(), "--record"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.errText().contains(generations().value(0) + " was changed"))
        << broken.errText().toStdString();
    EXPECT_TRUE(broken.out.isEmpty());
    EXPECT_EQ(generations().size(), 1);
}

} // namespace
} // namespace stowly::test
