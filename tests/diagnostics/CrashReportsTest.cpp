#include "diagnostics/CrashReports.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace stowly;

namespace {

const QDateTime t0(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);

CrashReports::File report(const char* name, int seconds) {
    return {QStringLiteral("/x/") + QString::fromUtf8(name), t0.addSecs(seconds)};
}

class OfferTest : public ::testing::Test {
protected:
    std::optional<CrashReports::File> offer() {
        return CrashReports::offerIfNeeded(
            defaults, [this](const CrashReports::File& file) { asked.append(file); }, folder);
    }
    QString crash(const QString& name) {
        return test::writeFile(folder + u'/' + name, "Stowly quit unexpectedly");
    }
    // Lets the clock pass the recorded date, so the next file is certainly newer.
    void waitPastLastSeen() {
        const QDateTime seen = defaults.value(CrashReports::lastSeenKey()).toDateTime();
        test::spinUntil([&] { return QDateTime::currentDateTimeUtc() > seen.addMSecs(5); });
    }

    test::TempDir dir;
    QString folder = dir(QStringLiteral("crashes"));
    QSettings defaults{dir(QStringLiteral("Stowly.conf")), QSettings::IniFormat};
    QList<CrashReports::File> asked;
};

} // namespace

TEST(CrashReportsTest, RecognisesOnlyItsOwnReportsAndOffersTheNewestLaterThanLastSeen) {
    for (const char* name : {"Stowly-2024-05-01-101010.ips", "Stowly_2024.crash", "Stowly-x.CRASH"})
        EXPECT_TRUE(CrashReports::isReportName(QString::fromUtf8(name))) << name;
    for (const char* name :
         {"Stowly.log", "Stowly-1.crash.txt", "stowly-2024.crash", "StowlyHelper-1.crash"})
        EXPECT_FALSE(CrashReports::isReportName(QString::fromUtf8(name))) << name;

    const QList<CrashReports::File> files{
        report("Stowly-a.crash", 0), report("Stowly-c.crash", 120), report("Stowly-b.crash", 60),
        report("Other-z.crash", 999)};
    EXPECT_FALSE(CrashReports::newReport(files, std::nullopt)) << "a first run offers nothing";
    EXPECT_EQ(CrashReports::newestDate(files, std::nullopt), t0.addSecs(120));
    EXPECT_EQ(CrashReports::newReport(files, t0), files[1]);
    EXPECT_FALSE(CrashReports::newReport(files, t0.addSecs(120)));
    EXPECT_EQ(CrashReports::newestDate(files, t0.addSecs(500)), t0.addSecs(500));
}

TEST_F(OfferTest, FirstLaunchRecordsOldCrashesAndALaterCrashIsOfferedOnce) {
    crash(QStringLiteral("Stowly-old-1.crash"));
    crash(QStringLiteral("Stowly-old-2.crash"));
    EXPECT_FALSE(offer());
    EXPECT_TRUE(asked.isEmpty());
    const QSettings reread(defaults.fileName(), QSettings::IniFormat);
    EXPECT_EQ(reread.value(CrashReports::lastSeenKey()).toDateTime(),
              CrashReports::newestDate(CrashReports::liveFiles(folder), std::nullopt));
    EXPECT_FALSE(offer());

    waitPastLastSeen();
    const QString fresh = crash(QStringLiteral("Stowly-new.crash"));
    const std::optional<CrashReports::File> offered = offer();
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered->url, fresh);
    EXPECT_FALSE(offer());
    EXPECT_EQ(asked, QList<CrashReports::File>{*offered});
}

TEST_F(OfferTest, FirstEverCrashIsOfferedAfterAFirstRunWithoutReports) {
    defaults.setValue(CrashReports::lastSeenKey(), "not a date");
    EXPECT_FALSE(offer());
    ASSERT_TRUE(defaults.contains(CrashReports::lastSeenKey()));
    waitPastLastSeen();
    crash(QStringLiteral("Stowly-1.crash"));
    EXPECT_TRUE(offer());
    EXPECT_EQ(asked.size(), 1);
}
