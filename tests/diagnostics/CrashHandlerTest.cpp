#include "diagnostics/CrashHandler.h"
#include "diagnostics/CrashReports.h"

#include "Printing.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

using namespace stowly;

namespace {

const QString description = QStringLiteral("Stowly 9.9.9 (77), Linux 6.1.0-test (Testix 1)");

void crashByNullWrite(const QString& folder) {
    CrashHandler::install(folder, description);
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
}

void crashByAbort(const QString& folder) {
    CrashHandler::install(folder, description);
    std::abort();
}

volatile bool keepGoing = true;

int recurseForever(int depth) {
    volatile char ballast[512];
    ballast[0] = char(depth);
    return keepGoing ? recurseForever(depth + 1) + ballast[0] : 0;
}

void crashByStackOverflow(const QString& folder) {
    CrashHandler::install(folder, description);
    recurseForever(0);
}

QStringList reports(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return !CrashReports::isReportName(name); });
    return names;
}

QString onlyReport(const QString& folder) {
    const QStringList names = reports(folder);
    EXPECT_EQ(names.size(), 1) << names.join(u',').toStdString();
    return names.isEmpty() ? QString()
                           : QString::fromUtf8(test::readFile(folder + u'/' + names.first()));
}

} // namespace

// Death tests run first, before other tests start threads, and fork the test process.
TEST(CrashHandlerDeathTest, SegmentationFaultLeavesReportAndStillKills) {
    test::TempDir dir;
    const QString folder = dir(QStringLiteral("state/Stowly/crashes"));
    EXPECT_EXIT(crashByNullWrite(folder), ::testing::KilledBySignal(SIGSEGV),
                "Stowly quit unexpectedly \\(SIGSEGV\\)\\. Crash report: ");

    const QString report = onlyReport(folder);
    EXPECT_TRUE(report.startsWith("Stowly quit unexpectedly: signal 11 (SIGSEGV)\n"))
        << report.toStdString();
    EXPECT_TRUE(report.contains("Version: " + description + "\n"));
    EXPECT_TRUE(report.contains(", address 0x0\n"));
    EXPECT_TRUE(report.contains(
        QRegularExpression(QStringLiteral(R"(\nDate: \d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ\n)"))));
    const qsizetype backtrace = report.indexOf("\nBacktrace:\n");
    ASSERT_GE(backtrace, 0);
    EXPECT_GE(report.mid(backtrace).count(u'\n'), 4) << "several frames are listed";

    const QString name = reports(folder).value(0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Stowly-\d{4}-\d\d-\d\d-\d{6}\.crash$)"))
                    .match(name)
                    .hasMatch())
        << name.toStdString();
    EXPECT_EQ(QFileInfo(folder + u'/' + name).permissions() & (QFile::ReadOther | QFile::ReadGroup),
              0)
        << "reports stay private to the user";
    EXPECT_EQ(CrashReports::liveFiles(folder).size(), 1);
}

TEST(CrashHandlerDeathTest, AbortIsReportedAndEndsWithAbort) {
    test::TempDir dir;
    EXPECT_EXIT(crashByAbort(dir.path()), ::testing::KilledBySignal(SIGABRT), "SIGABRT");
    const QString report = onlyReport(dir.path());
    EXPECT_TRUE(report.startsWith("Stowly quit unexpectedly: signal 6 (SIGABRT)\n"));
    EXPECT_FALSE(report.contains("address"));
}

TEST(CrashHandlerDeathTest, StackOverflowIsReportedFromSpareStack) {
    test::TempDir dir;
    EXPECT_EXIT(crashByStackOverflow(dir.path()), ::testing::KilledBySignal(SIGSEGV), "SIGSEGV");
    EXPECT_TRUE(onlyReport(dir.path()).contains("(SIGSEGV)"));
}

TEST(CrashHandlerDeathTest, CrashesInTheSameSecondGetTheirOwnFiles) {
    test::TempDir dir;
    for (int i = 0; i < 3; ++i)
        EXPECT_EXIT(crashByAbort(dir.path()), ::testing::KilledBySignal(SIGABRT), "");
    const QStringList names = reports(dir.path());
    EXPECT_EQ(names.size(), 3) << names.join(u',').toStdString();
}

TEST(CrashHandlerDeathTest, UnwritableFolderStillEndsWithTheSignal) {
    test::TempDir dir;
    test::writeFile(dir(QStringLiteral("taken")), "not a folder");
    EXPECT_EXIT(crashByNullWrite(dir(QStringLiteral("taken/crashes"))),
                ::testing::KilledBySignal(SIGSEGV), "Stowly quit unexpectedly \\(SIGSEGV\\)\\.\n");
}
