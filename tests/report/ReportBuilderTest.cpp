#include "report/ReportBuilder.h"
#include "history/RunLog.h"
#include "report/ReportTables.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

const QDateTime morning(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);

QString digest(const QString& seed) {
    return QString(seed.toUtf8().toHex()).leftJustified(64, u'0');
}

// A run of `card` that copied `files` to each of `roots` (the first the main destination), and
// the history entries it left.
struct Made {
    RunRecord run;
    QList<HistoryEntry> entries;
};

Made makeRun(const QString& card, const QStringList& files, const QStringList& roots,
             const QDateTime& start) {
    Made made;
    RunRecord& run = made.run;
    run.id = card + QStringLiteral("-run");
    run.startedAt = start;
    run.endedAt = start.addSecs(60);
    run.card = {card, card + QStringLiteral("-uuid"), 64'000'000'000, QStringLiteral("exfat")};
    run.project = QStringLiteral("Harbour");
    run.hashFormats = {QStringLiteral("xxh128")};
    for (qsizetype r = 0; r < roots.size(); ++r)
        run.destinations.append(
            {roots[r],
             r == 0 ? RunRecord::Destination::Role::main : RunRecord::Destination::Role::backup,
             false, true});
    for (const QString& file : files) {
        const QString key = run.card.identity + u'|' + file + QStringLiteral("|1000|1700000000");
        for (const QString& root : roots) {
            RunRecord::Copy copy{key,
                                 file,
                                 root,
                                 root + u'/' + file,
                                 1000,
                                 digest(card + file),
                                 digest(file).left(32),
                                 {},
                                 start.addSecs(30)};
            run.copies.append(copy);
            made.entries.append({key, card, file, copy.path, 1000, copy.sha256, copy.provedAt});
        }
    }
    return made;
}

HistoryRecords recordsOf(const QList<HistoryEntry>& entries) {
    HistoryRecords records;
    for (const HistoryEntry& entry : entries)
        records.append(entry);
    return records;
}

Report built(const ReportScope& scope, const QList<RunRecord>& runs,
             const HistoryRecords& history) {
    auto result = ReportBuilder::build(scope, runs, history);
    if (const QString* nothing = std::get_if<QString>(&result))
        ADD_FAILURE() << nothing->toStdString();
    return std::get<Report>(result);
}

TEST(ReportBuilderTest, ADayOfTwoCardsAndTwoDestinationsHasEveryCopyOnceAndItsTotals) {
    Made a = makeRun("A001", {"DCIM/C0001.MP4", "DCIM/C0002.MP4"}, {"/Main", "/Backup"}, morning);
    Made b = makeRun("B001", {"DCIM/C0001.MP4"}, {"/Main", "/Backup"}, morning.addSecs(3600));
    // One backup copy could be read back only through a cache.
    for (Made* made : {&a, &b})
        for (RunRecord::Copy& copy : made->run.copies)
            copy.readBack = made == &a && copy.destination == "/Backup" &&
                                    copy.sourceRelativePath == "DCIM/C0002.MP4"
                                ? ReadBack::unassured
                                : ReadBack::device;
    const Made yesterday = makeRun("C001", {"x.mov"}, {"/Main"}, morning.addDays(-1));
    const HistoryRecords history = recordsOf(a.entries + b.entries + yesterday.entries);
    const QList<RunRecord> runs{yesterday.run, a.run, b.run};

    const Report report =
        built({ReportScope::Kind::day, {}, morning.toLocalTime().date()}, runs, history);
    ASSERT_EQ(report.runs.size(), 2);
    ASSERT_EQ(report.rows.size(), 3);
    EXPECT_EQ(report.destinations, (QStringList{"/Main", "/Backup"}));
    ASSERT_EQ(report.totals.size(), 2);
    EXPECT_EQ(report.totals[0].files, 3);
    EXPECT_EQ(report.totals[1].bytes, 3000);
    EXPECT_EQ(report.totals[0].readBack, ReadBack::device);
    EXPECT_EQ(report.totals[1].readBack, ReadBack::unassured);
    EXPECT_DOUBLE_EQ(report.megabytesPerSecond().value_or(0), 3000 / 1e6 / 120);

    // Every history entry of the day is one copy of one row, with the same path, size and
    // digest, in the JSON and in the CSV alike.
    const QJsonObject json = QJsonDocument::fromJson(ReportTables::json(report)).object();
    const QJsonArray files = json.value("files").toArray();
    const QString csv = QString::fromUtf8(ReportTables::csv(report));
    EXPECT_EQ(json["destinations"][1]["readBack"], "unassured");
    int copies = 0;
    for (const HistoryEntry& entry : a.entries + b.entries) {
        bool found = false;
        for (const QJsonValue& file : files)
            for (const QJsonValue& copy : file["copies"].toArray())
                if (copy["path"] == entry.destinationPath && file["sha256"] == entry.sha256 &&
                    file["size"].toInteger() == entry.size && file["card"] == entry.cardName &&
                    copy["readBack"] == (entry.destinationPath == "/Backup/DCIM/C0002.MP4"
                                             ? "unassured"
                                             : "device"))
                    found = true;
        EXPECT_TRUE(found) << entry.destinationPath.toStdString();
        EXPECT_TRUE(csv.contains(entry.destinationPath));
        ++copies;
    }
    int listed = 0;
    for (const QJsonValue& file : files)
        listed += int(file["copies"].toArray().size());
    EXPECT_EQ(listed, copies);
    EXPECT_EQ(csv.count("\r\n"), 1 + 3);
    EXPECT_FALSE(csv.contains("x.mov"));
    EXPECT_TRUE(csv.contains("May be damaged,Read back at /Main,Read back at /Backup\r\n"));
    EXPECT_EQ(csv.count(",device,unassured\r\n"), 1);
}

TEST(ReportBuilderTest, ARunTakesTheBackupsItsCascadeProvedLaterAndACardItsOlderCopies) {
    Made made = makeRun("A001", {"C0001.MP4"}, {"/Main", "/Cascade"}, morning);
    made.run.destinations[1].role = RunRecord::Destination::Role::cascade;
    // The cascade proved its copy after the run ended: only the history has it.
    const RunRecord::Copy cascaded = made.run.copies.takeLast();
    HistoryEntry late = made.entries.takeLast();
    late.offloadedAt = made.run.endedAt.addSecs(600);
    // Copied before runs were recorded.
    const HistoryEntry older{"A001-uuid|OLD.MP4|5|1", "A001", "OLD.MP4",
                             "/Main/OLD.MP4",         5,      digest("old"),
                             morning.addDays(-30)};
    const HistoryRecords history = recordsOf(made.entries + QList{late, older});

    const Report run = built({ReportScope::Kind::run, made.run.id}, {made.run}, history);
    ASSERT_EQ(run.rows.size(), 1);
    ASSERT_EQ(run.rows[0].copies.size(), 2);
    EXPECT_EQ(run.rows[0].copies[1].path, cascaded.path);
    EXPECT_EQ(run.rows[0].copies[1].destination, "/Cascade");
    EXPECT_EQ(run.rows[0].xxh128, cascaded.xxh128);

    // By its name, the card's report has the old copy too, without the digests runs keep.
    const Report card = built({ReportScope::Kind::card, "A001"}, {made.run}, history);
    ASSERT_EQ(card.rows.size(), 2);
    EXPECT_EQ(card.rows[0].source, "C0001.MP4");
    EXPECT_EQ(card.rows[1].source, "OLD.MP4");
    EXPECT_TRUE(card.rows[1].xxh128.isEmpty());
    EXPECT_EQ(card.rows[1].sha256, older.sha256);

    EXPECT_EQ(std::get<QString>(
                  ReportBuilder::build({ReportScope::Kind::project, "Other"}, {made.run}, history)),
              "No offload was made for the project “Other”.");
}

TEST(ReportBuilderTest, FailedCopiesAreProblemsNotRowsAndOddNamesStayOneCsvField) {
    Made made = makeRun("A001", {"with, comma \"and\" quote\nline.mov"}, {"/Main"}, morning);
    RunRecord::Copy failed = made.run.copies.first();
    failed.sourceRelativePath = "gone.mov";
    failed.path = "/Main/gone.mov";
    failed.failure = "The card went away.";
    made.run.copies.append(failed);
    made.run.failures << "gone.mov: The card went away.";
    const Report report =
        built({ReportScope::Kind::run, made.run.id}, {made.run}, recordsOf(made.entries));
    ASSERT_EQ(report.rows.size(), 1);
    EXPECT_EQ(report.failures, QStringList{"gone.mov: The card went away."});
    EXPECT_EQ(made.run.filesCopied(), 1);
    const QByteArray csv = ReportTables::csv(report);
    EXPECT_TRUE(csv.contains("\"with, comma \"\"and\"\" quote\nline.mov\""));
}

TEST(RunLogTest, RecordsComeBackWholeOldestFirstAndADamagedOneCostsOnlyItself) {
    TempDir folder;
    const RunLog log(folder("runs"));
    Made later = makeRun("B001", {"b.mov"}, {"/Main"}, morning.addSecs(10));
    later.run.facts.insert("b.mov", MediaFacts{.codec = "h264",
                                               .width = 1920,
                                               .height = 1080,
                                               .frameRate = 25,
                                               .startTimecode = "01:00:00:00",
                                               .damage = QString("No index.")});
    later.run.copies.first().hashes.insert("md5", digest("m").left(32));
    later.run.copies.first().readBack = ReadBack::share;
    const Made earlier = makeRun("A001", {"a.mov"}, {"/Main"}, morning);
    ASSERT_EQ(log.save(later.run), std::nullopt);
    ASSERT_EQ(log.save(earlier.run), std::nullopt);
    writeFile(folder("runs/20261208T000000000Z-broken.json"), "{\"stowlyRun\": 1, \"id\":");

    QStringList problems;
    const QList<RunRecord> runs = log.load(&problems);
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(runs[0], earlier.run);
    EXPECT_EQ(runs[1], later.run);
    // Recorded without it, as runs were before it was kept: not known, never "device".
    EXPECT_EQ(runs[0].copies.first().readBack, std::nullopt);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("broken.json"));
    EXPECT_EQ(log.find("B0")->id, "B001-run");
    // A start that names two runs names none.
    RunRecord twin = earlier.run;
    twin.id = "A001-other";
    ASSERT_EQ(log.save(twin), std::nullopt);
    EXPECT_FALSE(log.find("A001-"));
    EXPECT_TRUE(log.find("A001-run"));
}

} // namespace
} // namespace stowly::test
