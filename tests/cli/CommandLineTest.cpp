#include "cli/CommandLine.h"
#include "app/model/CardAtPath.h"
#include "cli/ProgressText.h"
#include "support/FakeVolumes.h"

#include "support/TestSupport.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace stowly {
namespace {

const QDateTime now(QDate(2024, 5, 1), QTime(10, 0), QTimeZone::systemTimeZone());

std::variant<Invocation, QString> parse(const QStringList& arguments) {
    return CommandLine::parse(arguments, now);
}

QString problem(const QStringList& arguments) {
    const auto parsed = parse(arguments);
    return std::holds_alternative<QString>(parsed) ? std::get<QString>(parsed) : QString();
}

TEST(CommandLineTest, RunOptionsTakeTheirValuesInBothFormsAndDatesAreRealDays) {
    const auto parsed = parse({"offload", "/media/CARD", "--to=/footage", "--project", "--odd",
                               "--quick-dump", "--reoffload", "missing", "--include-short",
                               "--dates", "2024-05-03..2024-04-30", "--json"});
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed))
        << std::get<QString>(parsed).toStdString();
    const Invocation& invocation = std::get<Invocation>(parsed);
    EXPECT_EQ(invocation.command, Invocation::Command::offload);
    EXPECT_EQ(invocation.card, "/media/CARD");
    EXPECT_TRUE(invocation.json);
    EXPECT_EQ(invocation.run.destination, "/footage");
    // A value is taken as it is, even one that looks like an option.
    EXPECT_EQ(invocation.run.project, "--odd");
    EXPECT_TRUE(invocation.run.quickDump);
    EXPECT_TRUE(invocation.run.includeShort);
    EXPECT_EQ(invocation.run.reoffload, ReoffloadMode::missing);
    ASSERT_TRUE(invocation.run.dates);
    EXPECT_EQ(invocation.run.dates->mode, DateFilter::Mode::custom);
    // Both days are whole, in either order.
    const auto range = invocation.run.dates->interval(now);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, QDate(2024, 4, 30).startOfDay());
    EXPECT_EQ(range->second, QDate(2024, 5, 4).startOfDay());

    EXPECT_EQ(CommandLine::parseDates("Last7Days", now)->mode, DateFilter::Mode::last7Days);
    EXPECT_EQ(*CommandLine::parseDates("any", now), DateFilter::any());
    EXPECT_FALSE(CommandLine::parseDates("2024-02-30..2024-03-01", now));
    EXPECT_FALSE(CommandLine::parseDates("2024-03-01", now));
}

TEST(CommandLineTest, RefusesWhatACommandDoesNotTake) {
    EXPECT_EQ(problem({}), "Name a command.");
    EXPECT_EQ(problem({"scan"}), "scan needs a card: the mount point of a card, or a folder.");
    EXPECT_EQ(problem({"scan", "a", "b"}), "scan doesn’t take “b”.");
    EXPECT_EQ(problem({"cards", "--to", "/x"}), "cards has no option “--to”.");
    EXPECT_EQ(problem({"history", "--json=yes"}), "--json takes no value.");
    EXPECT_EQ(problem({"plan", "CARD", "--to"}), "--to needs a value.");
    EXPECT_EQ(problem({"plan", "CARD", "--dates", "yesterday"}).left(16), "--dates takes an");
    EXPECT_TRUE(problem({"offload", "CARD", "--reoffload", "some"})
                    .startsWith("--reoffload takes off, missing or"));
    EXPECT_EQ(problem({"forget", "CARD", "--json"}), "forget has no option “--json”.");
    EXPECT_TRUE(problem({"format", "CARD"}).contains("--yes"));
    EXPECT_TRUE(problem({"format", "CARD", "--yes", "--discard-short-clips"}).isEmpty());
    // After "--" everything is a plain argument, so a card may start with a dash.
    const auto dashed = parse({"eject", "--", "-card"});
    ASSERT_TRUE(std::holds_alternative<Invocation>(dashed));
    EXPECT_EQ(std::get<Invocation>(dashed).card, "-card");
    const auto settings = parse({"settings", "lastProject", "Day 1"});
    ASSERT_TRUE(std::holds_alternative<Invocation>(settings));
    EXPECT_EQ(std::get<Invocation>(settings).arguments, QStringList({"lastProject", "Day 1"}));
    EXPECT_EQ(std::get<Invocation>(parse({"plan", "CARD", "--help"})).command,
              Invocation::Command::help);
}

TEST(CommandLineTest, TheManualPageSaysWhatTheUsageSays) {
    QString page = QString::fromUtf8(
        test::readFile(QStringLiteral(STOWLY_TEST_DATA_DIR "/../../packaging/stowly-cli.1")));
    ASSERT_FALSE(page.isEmpty());
    page.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QString usage = CommandLine::usage();
    // Every command's line, as the usage prints it, in the synopsis.
    for (const QString& line : usage.split(u'\n')) {
        if (line.startsWith(QStringLiteral("  stowly-cli "))) {
            EXPECT_TRUE(page.contains(QStringLiteral(".B ") + line.trimmed()))
                << line.toStdString() << " is not in the manual page";
        }
    }
    // Every option the usage names, described.
    static const QRegularExpression option(QStringLiteral("--[a-z-]+"));
    for (auto it = option.globalMatch(usage); it.hasNext();) {
        const QString name = it.next().captured();
        EXPECT_TRUE(page.contains(QStringLiteral(".B ") + name) ||
                    page.contains(QStringLiteral(".BI ") + name) ||
                    page.contains(QStringLiteral(".BR ") + name))
            << name.toStdString() << " is not described in the manual page";
    }
}

TEST(ProgressTextTest, TheBarFitsTheTerminal) {
    OffloadProgress progress;
    progress.filesDone = 3;
    progress.filesTotal = 10;
    progress.bytesDone = 500;
    progress.bytesTotal = 1000;
    progress.currentFile = QString(200, u'x') + ".MOV";
    progress.isVerifying = true;
    const QString wide = ProgressText::barLine(progress, 10, 400);
    EXPECT_TRUE(wide.startsWith("[##########----------] 3/10 files · ")) << wide.toStdString();
    EXPECT_TRUE(wide.endsWith("xx.MOV · verifying · Less than a minute left"));
    const QString narrow = ProgressText::barLine(progress, 10, 100);
    EXPECT_EQ(narrow.size(), 99);
    EXPECT_TRUE(narrow.endsWith("… · verifying · Less than a minute left"));
    EXPECT_LE(ProgressText::barLine(progress, 10, 20).size(), 19);
}

TEST(CardTargetTest, AVolumeRootCarriesItsUuidAndAFolderItsName) {
    test::TempDir root;
    test::writeFile(root("mnt/card/DCIM/A.JPG"));
    test::writeFile(root("plain/file.txt"));
    test::FakeVolumes volumes;
    volumes.add({.path = root("mnt/card"), .name = "EOS_DIGITAL", .uuid = "1234-ABCD"});

    const auto mounted = cardAtPath(root("mnt/card/"), volumes);
    ASSERT_TRUE(std::holds_alternative<CardVolume>(mounted));
    EXPECT_EQ(std::get<CardVolume>(mounted),
              (CardVolume{root("mnt/card"), "EOS_DIGITAL", QString("1234-ABCD")}));

    const auto folder = cardAtPath(root("mnt/card/DCIM/../DCIM"), volumes);
    ASSERT_TRUE(std::holds_alternative<CardVolume>(folder));
    EXPECT_EQ(std::get<CardVolume>(folder).volumeIdentity(), "DCIM");
    EXPECT_EQ(std::get<CardVolume>(folder).url, root("mnt/card/DCIM"));

    EXPECT_EQ(std::get<QString>(cardAtPath(root("plain/file.txt"), volumes)),
              "“" + root("plain/file.txt") + "” isn’t a folder.");
    EXPECT_EQ(std::get<QString>(cardAtPath("/", volumes)), "That’s your startup disk.");
}

} // namespace
} // namespace stowly
