#include "cli/CliHarness.h"
#include "copy/FormatHasher.h"
#include "mhl/GenerationWriter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Writes the files below `folder` and records them as a generation of its history.
void writeRecorded(const QString& folder, const QList<std::pair<QString, QByteArray>>& contents,
                   const QTime& at = QTime(9, 0)) {
    QList<GenerationWriter::File> files;
    for (const auto& [path, content] : contents) {
        writeFile(folder + '/' + path, content);
        files.append({path, content.size(), QDateTime::currentDateTimeUtc(),
                      FormatHasher::of(HashFormat::xxh128, content),
                      QDateTime::currentDateTimeUtc()});
    }
    ASSERT_EQ(GenerationWriter::write(folder, files, {QDateTime(QDate(2024, 5, 1), at, Qt::UTC)}),
              std::nullopt);
}

class VerifyCommandTest : public ::testing::Test {
protected:
    void SetUp() override { writeRecorded(card.path(), contents); }

    QStringList generations(const QString& folder = {}) const {
        return QDir(card(folder.isEmpty() ? "ascmhl" : folder + "/ascmhl"))
            .entryList({"*.mhl"}, QDir::Files, QDir::Name);
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

// A card's folder with its own history inside the day's: its files are checked against the
// history closest to them, and a check recorded goes there, the day's history referring to it.
TEST_F(VerifyCommandTest, ANestedHistoryIsFollowedAndKeepsItsOwnRecords) {
    // The day's history recorded one of the card's clips before the card got its own.
    writeRecorded(card.path(), {{"A002/C2.mov", "two"}}, QTime(9, 30));
    writeRecorded(card("A002"), {{"C1.mov", "one"}});
    const CliResult clean = cli.run({"verify", card.path()});
    EXPECT_EQ(clean.status, 0) << clean.outText().toStdString();
    EXPECT_EQ(clean.outText(), "All 6 recorded files match.\n");

    writeFile(card("A002/C1.mov"), "One");
    writeFile(card("A002/C3.mov"), "three");
    const CliResult recorded = cli.run({"verify", card.path(), "--record"});
    EXPECT_EQ(recorded.status, 1);
    EXPECT_TRUE(recorded.outText().startsWith(
        "Changed: A002/C1.mov doesn’t match its xxh128 in the history.\n"
        "Not in the history: A002/C3.mov\n"))
        << recorded.outText().toStdString();
    const QStringList nested = generations("A002");
    ASSERT_EQ(nested.size(), 2);
    const QByteArray check = readFile(card("A002/ascmhl/" + nested[1]));
    EXPECT_EQ(check.count("action=\"verified\""), 1);
    EXPECT_EQ(check.count("action=\"failed\""), 1);
    EXPECT_TRUE(check.contains(">C1.mov</path>") && check.contains(">C2.mov</path>"));
    const QByteArray day = readFile(card("ascmhl/" + generations()[2]));
    EXPECT_FALSE(day.contains("C1.mov") || day.contains("C2.mov"));
    EXPECT_TRUE(day.contains("<path>A002/ascmhl/" + nested[1].toUtf8() + "</path>"))
        << day.toStdString();

    // A nested history that cannot be read is said, not passed over.
    writeFile(card("A002/ascmhl/ascmhl_chain.xml"), "<broken");
    const CliResult broken = cli.run({"verify", card.path()});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.outText().contains("Unreadable: A002/ascmhl: ascmhl_chain.xml isn’t a "
                                          "valid ASC MHL chain"))
        << broken.outText().toStdString();
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
