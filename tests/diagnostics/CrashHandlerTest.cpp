#include "diagnostics/CrashHandler.h"
#include "diagnostics/CrashReports.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

using namespace stowly;

namespace {

const QString description = QStringLiteral("Stowly 9.9.9 (77), Linux 6.1.0-test (Testix 1)");
volatile bool keepGoing = true;

int recurseForever(int depth) {
    volatile char ballast[512];
    ballast[0] = char(depth);
    return keepGoing ? recurseForever(depth + 1) + ballast[0] : 0;
}

// Runs in the forked child: the handler goes in, then the crash.
template <typename Crash> void crashWith(const QString& folder, Crash crash) {
    CrashHandler::install(folder, description);
    crash();
}

QStringList reportTexts(const QString& folder) {
    QStringList texts;
    for (const CrashReports::File& file : CrashReports::liveFiles(folder))
        texts << QString::fromUtf8(test::readFile(file.url));
    return texts;
}

} // namespace

// Each death test forks; the child installs the handler and crashes, the parent checks how it
// died and what it left behind.
TEST(CrashHandlerDeathTest, SegmentationFaultLeavesReportAndStillKills) {
    test::TempDir dir;
    const QString folder = dir(QStringLiteral("state/Stowly/crashes"));
    // Read through a volatile pointer, so the compiler cannot turn the write into a trap.
    const auto nullWrite = [] {
        volatile int* volatile nowhere = nullptr;
        *nowhere = 1;
    };
    EXPECT_EXIT(crashWith(folder, nullWrite), ::testing::KilledBySignal(SIGSEGV),
                "Stowly quit unexpectedly \\(SIGSEGV\\)\\. Crash report: .*/Stowly-");

    const QStringList names = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(
        QRegularExpression(R"(^Stowly-\d{4}-\d\d-\d\d-\d{6}\.crash$)").match(names[0]).hasMatch());
    const QString report = reportTexts(folder).value(0);
    EXPECT_TRUE(report.startsWith(
        "Stowly quit unexpectedly: signal 11 (SIGSEGV)\nVersion: " + description + "\nDate: "))
        << report.toStdString();
    EXPECT_TRUE(report.contains(", address 0x0\n"));
    EXPECT_GE(report.mid(report.indexOf("\nBacktrace:\n")).count(u'\n'), 4);
}

TEST(CrashHandlerDeathTest, AbortsInTheSameSecondEachGetAReport) {
    test::TempDir dir;
    for (int i = 0; i < 3; ++i)
        EXPECT_EXIT(crashWith(dir.path(), [] { std::abort(); }), ::testing::KilledBySignal(SIGABRT),
                    "SIGABRT");
    const QStringList reports = reportTexts(dir.path());
    ASSERT_EQ(reports.size(), 3);
    for (const QString& report : reports)
        EXPECT_TRUE(report.startsWith("Stowly quit unexpectedly: signal 6 (SIGABRT)\n"));
}

TEST(CrashHandlerDeathTest, StackOverflowIsReportedFromTheSpareStack) {
    test::TempDir dir;
    EXPECT_EXIT(crashWith(dir.path(), [] { recurseForever(0); }),
                ::testing::KilledBySignal(SIGSEGV), "SIGSEGV");
    EXPECT_TRUE(reportTexts(dir.path()).value(0).contains("(SIGSEGV)"));
}
