#include "diagnostics/CrashReports.h"
#include "diagnostics/Log.h"

#include "Printing.h"
#include "support/TestSupport.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace stowly;

namespace {

const QDateTime t0(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);

CrashReports::File report(const QString& name, const QDateTime& date) {
    return {QStringLiteral("/somewhere/") + name, date};
}

// Waits until the clock has passed `time`, so a file made next is certainly newer.
void waitPast(const QDateTime& time) {
    test::spinUntil([&] { return QDateTime::currentDateTimeUtc() > time.addMSecs(5); });
}

class OfferTest : public ::testing::Test {
protected:
    void SetUp() override { Log::useFile(log); }
    void TearDown() override { Log::useFile({}); }

    std::optional<CrashReports::File> offer() {
        return CrashReports::offerIfNeeded(
            defaults, [this](const CrashReports::File& file) { asked.append(file); }, folder);
    }
    QString crash(const QString& name) {
        return test::writeFile(folder + u'/' + name, "Stowly quit unexpectedly");
    }

    test::TempDir dir;
    QString folder = dir(QStringLiteral("crashes"));
    QString log = dir(QStringLiteral("Stowly.log"));
    QSettings defaults{dir(QStringLiteral("Stowly.conf")), QSettings::IniFormat};
    QList<CrashReports::File> asked;
};

} // namespace

TEST(CrashReportsTest, RecognisesOnlyThisApplicationsReports) {
    for (const char* name : {"Stowly-2024-05-01-101010.ips", "Stowly_2024-05-01.crash",
                             "Stowly-2024-05-01-101010.CRASH", "Stowly-x.IPS"})
        EXPECT_TRUE(CrashReports::isReportName(QString::fromUtf8(name))) << name;
    for (const char* name : {"OtherApp-2024.ips", "Stowly.log", "Stowly-2024.crash.txt",
                             "stowly-2024.crash", "StowlyHelper-2024.crash", "Stowly.crash"})
        EXPECT_FALSE(CrashReports::isReportName(QString::fromUtf8(name))) << name;
}

TEST(CrashReportsTest, FirstRunNeverOffersButKnowsTheNewestDate) {
    const QList<CrashReports::File> files{report("Stowly-a.crash", t0),
                                          report("Stowly-b.crash", t0.addSecs(60))};
    EXPECT_FALSE(CrashReports::newReport(files, std::nullopt));
    EXPECT_EQ(CrashReports::newestDate(files, std::nullopt), t0.addSecs(60));
    EXPECT_FALSE(CrashReports::newestDate({}, std::nullopt));
}

TEST(CrashReportsTest, OffersTheNewestReportLaterThanLastSeen) {
    const QList<CrashReports::File> files{
        report("Stowly-a.crash", t0), report("Stowly-c.crash", t0.addSecs(120)),
        report("Stowly-b.crash", t0.addSecs(60)), report("Other-z.crash", t0.addSecs(999))};
    EXPECT_EQ(CrashReports::newReport(files, t0), files[1]);
    EXPECT_FALSE(CrashReports::newReport(files, t0.addSecs(120))) << "not later: already seen";
    EXPECT_EQ(CrashReports::newestDate(files, t0), t0.addSecs(120));
    // A stored date newer than every file stays the newest.
    EXPECT_EQ(CrashReports::newestDate(files, t0.addSecs(500)), t0.addSecs(500));
}

TEST(CrashReportsTest, LiveFilesListsMatchingFilesWithDates) {
    test::TempDir dir;
    test::writeFile(dir(QStringLiteral("Stowly-2024-05-01-101010.crash")), "x");
    test::writeFile(dir(QStringLiteral("Stowly-2024-05-02-101010.ips")), "x");
    test::writeFile(dir(QStringLiteral("Stowly.log")), "x");
    test::writeFile(dir(QStringLiteral("Other-2024.crash")), "x");
    QDir().mkpath(dir(QStringLiteral("Stowly-folder.crash")));

    const QList<CrashReports::File> files = CrashReports::liveFiles(dir.path());
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].url, dir(QStringLiteral("Stowly-2024-05-01-101010.crash")));
    EXPECT_EQ(files[1].url, dir(QStringLiteral("Stowly-2024-05-02-101010.ips")));
    for (const CrashReports::File& file : files) {
        EXPECT_TRUE(file.date.isValid());
        EXPECT_LE(qAbs(file.date.secsTo(QDateTime::currentDateTimeUtc())), 60);
    }
    EXPECT_TRUE(CrashReports::liveFiles(dir(QStringLiteral("missing"))).isEmpty());
}

TEST(CrashReportsTest, FolderIsInTheStateFolder) {
    EXPECT_EQ(CrashReports::folder(),
              qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/Stowly/crashes"));
}

TEST_F(OfferTest, FirstLaunchRecordsOldCrashesAndLaterCrashIsOfferedOnce) {
    crash(QStringLiteral("Stowly-old-1.crash"));
    crash(QStringLiteral("Stowly-old-2.crash"));
    const QList<CrashReports::File> old = CrashReports::liveFiles(folder);

    EXPECT_FALSE(offer());
    EXPECT_TRUE(asked.isEmpty());
    const QDateTime recorded = defaults.value(CrashReports::lastSeenKey()).toDateTime();
    EXPECT_EQ(recorded, CrashReports::newestDate(old, std::nullopt));

    // Recorded for good: a fresh look at the stored preferences still knows the date.
    QSettings reread(defaults.fileName(), QSettings::IniFormat);
    EXPECT_EQ(reread.value(CrashReports::lastSeenKey()).toDateTime(), recorded);

    EXPECT_FALSE(offer()) << "nothing new since";
    waitPast(recorded);
    const QString fresh = crash(QStringLiteral("Stowly-new.crash"));

    const std::optional<CrashReports::File> offered = offer();
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered->url, fresh);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], *offered);
    EXPECT_EQ(defaults.value(CrashReports::lastSeenKey()).toDateTime(), offered->date);

    EXPECT_FALSE(offer()) << "each crash is offered at most once";
    EXPECT_EQ(asked.size(), 1);

    const QString logged = QString::fromUtf8(test::readFile(log));
    EXPECT_TRUE(logged.contains(QStringLiteral("[App] Found a new crash report from ") +
                                Log::timestamp(offered->date)))
        << logged.toStdString();
}

TEST_F(OfferTest, FirstLookWithoutReportsRecordsItsMoment) {
    const QDateTime before = QDateTime::currentDateTimeUtc();
    EXPECT_FALSE(offer());
    const QDateTime recorded = defaults.value(CrashReports::lastSeenKey()).toDateTime();
    EXPECT_GE(recorded, before);
    EXPECT_LE(recorded, QDateTime::currentDateTimeUtc());
}

TEST_F(OfferTest, StoredValueThatIsNoDateCountsAsFirstRun) {
    crash(QStringLiteral("Stowly-old.crash"));
    defaults.setValue(CrashReports::lastSeenKey(), QStringLiteral("yesterday"));
    EXPECT_FALSE(offer());
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(defaults.value(CrashReports::lastSeenKey()).metaType().id(), QMetaType::QDateTime);
}

TEST_F(OfferTest, FirstEverCrashIsOffered) {
    // A user whose first launch found no reports still gets asked about the first crash.
    EXPECT_FALSE(offer());
    waitPast(defaults.value(CrashReports::lastSeenKey()).toDateTime());
    const QString first = crash(QStringLiteral("Stowly-1.crash"));
    const std::optional<CrashReports::File> offered = offer();
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered->url, first);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_FALSE(offer());
}

TEST(CrashPromptTest, TextsNameTheSupportAddress) {
    EXPECT_EQ(CrashReports::promptMessage(),
              "Stowly quit unexpectedly last time. Send a crash report?");
    EXPECT_EQ(CrashReports::promptInformativeText(),
              "This opens a new email to support@stowly.app with the crash report and Stowly’s "
              "recent log attached. File, card and drive names are left out. You can read it "
              "over before sending.");
    EXPECT_EQ(CrashReports::sendButtonTitle(), "Send Report");
    EXPECT_EQ(CrashReports::notNowButtonTitle(), "Not Now");
}
