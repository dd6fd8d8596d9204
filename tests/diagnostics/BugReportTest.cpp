#include "diagnostics/BugReport.h"
#include "base/Log.h"
#include "diagnostics/Support.h"

#include "support/Printing.h"
#include "support/RecordingHandoff.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace stowly;

namespace {

const SystemInfo info{"1.2.3", "456", "6.1.0 (Debian GNU/Linux 12)", "XPS 13", "Intel Core i7"};

// The mail program as Stowly sees it: what was handed over, and whether drafts were taken.
struct RecordingHandoff : test::RecordingHandoff {
    using Base = test::RecordingHandoff;
    bool acceptsDrafts = true;
    bool compose(const Draft& draft) override { return Base::compose(draft) && acceptsDrafts; }
};

QString logLine(const QDateTime& time, const QString& message) {
    return Log::line(time, Log::Category::app, message);
}

QString queryValue(const QUrl& url, const char* key) {
    return QUrlQuery(url).queryItemValue(QString::fromUtf8(key), QUrl::FullyDecoded);
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(places.tempFolder); }
    BugReport::Outcome open(const std::optional<QString>& crashName = {},
                            const std::optional<QString>& crashText = {}) {
        return BugReport::openEmail(info, {"line one"}, crashName, crashText, handoff, places);
    }

    test::TempDir dir;
    BugReport::Places places{
        {}, dir("tmp"), "/home/me", "/home/me/.local/state/Stowly/crashes", dir("Documents")};
    QString folder = places.tempFolder + "/Stowly Bug Report";
    RecordingHandoff handoff;
};

} // namespace

TEST(RecentLogTest, NewestLinesOfThreeDaysOldestFirstRedacted) {
    test::TempDir dir;
    const QDateTime now(QDate(2024, 5, 10), QTime(12, 0), Qt::UTC);
    const qint64 window = BugReport::logWindowSeconds;
    const QString older = test::writeFile(
        dir("Stowly.log.1"), (logLine(now.addDays(-4), "too old") + u'\n' +
                              logLine(now.addSecs(-window - 1), "just outside") + u'\n' +
                              logLine(now.addSecs(-window + 1), "just inside") + "\nnot a line\n")
                                 .toUtf8());
    const QString current = test::writeFile(
        dir("Stowly.log"),
        (logLine(now.addSecs(-60), "Copied /media/me/CARD/A 1.MOV to /home/me/Job, 3 files") +
         u'\n' + logLine(now.addSecs(-1), "last"))
            .toUtf8());
    const Redactor redactor("/home/me", "/tmp");
    const QStringList files{older, dir("missing"), current};

    const QStringList lines = BugReport::recentLogLines(10, files, now, redactor);
    ASSERT_EQ(lines.size(), 3) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].endsWith("[App] just inside"));
    EXPECT_EQ(lines[1],
              Log::timestamp(now.addSecs(-60)) + " [App] Copied <path> to <path>, 3 files");
    EXPECT_EQ(BugReport::recentLogLines(2, files, now, redactor), lines.mid(1));
    EXPECT_TRUE(BugReport::recentLogLines(-5, files, now, redactor).isEmpty());

    QByteArray many;
    for (int i = 0; i < 1000; ++i)
        many += logLine(now.addSecs(i - 1000), QString::number(i)).toUtf8() + '\n';
    const QStringList newest =
        BugReport::recentLogLines(7, {test::writeFile(dir("big.log"), many)}, now, redactor);
    ASSERT_EQ(newest.size(), 7);
    EXPECT_TRUE(newest[0].endsWith(" 993") && newest[6].endsWith(" 999"));
}

TEST(BugReportTextTest, LinkBodyStaysShortKeepsTheNewestLinesAndIsEncodedInTheMailLink) {
    QStringList log;
    for (int i = 0; i < 5000; ++i)
        log << QStringLiteral("2024-05-01T14:03:22.123+02:00 [App] line %1 ").arg(i) +
                   QString(120, u'x');
    for (const std::optional<QString>& crash :
         {std::optional<QString>(), std::optional<QString>("Stowly-1.crash")}) {
        const QString text = BugReport::mailtoBody(crash, log, info, "~/c");
        EXPECT_LT(text.size(), BugReport::linkBodyLimit);
        EXPECT_GT(text.size(), BugReport::linkBodyLimit / 2);
        const QString tail = text.section("Stowly’s recent log:\n", 1).section("\n\n", 0, 0);
        const QStringList kept = tail.split(u'\n');
        EXPECT_EQ(kept, log.mid(log.size() - kept.size())) << "an unbroken run of the newest";
        EXPECT_EQ(
            text.endsWith("\n\n(The crash report couldn’t be attached. It’s in the folder ~/c.)"),
            crash.has_value());
    }
    EXPECT_TRUE(BugReport::mailtoBody(std::nullopt, {QString(7000, u'y')}, info)
                    .endsWith("(nothing logged recently)"));

    const QUrl url = Support::mailURL("Stowly bug report (version 1.2.3)", "a\nb&c=d+e #5 100%");
    EXPECT_EQ(url.path(), "support@stowly.app");
    EXPECT_EQ(queryValue(url, "subject"), "Stowly bug report (version 1.2.3)");
    EXPECT_EQ(queryValue(url, "body"), "a\r\nb&c=d+e #5 100%");
    EXPECT_FALSE(QUrlQuery(Support::mailURL("Hello")).hasQueryItem("body"));
}

TEST_F(ReportTest, HandsTheDraftWithPrivateAttachmentsToTheMailProgram) {
    test::writeFile(folder + "/stale.txt", "from the last report");
    const BugReport::Outcome outcome = open("Stowly-2024-05-01-101010.crash", "crash text");
    const QStringList paths{folder + "/Stowly log.txt", folder + "/Stowly-2024-05-01-101010.txt"};
    EXPECT_EQ(outcome.attachments, paths);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2) << "each report replaces the folder";
    EXPECT_EQ(test::readFile(paths[0]), "Stowly 1.2.3 (build 456)\nline one\n");
    EXPECT_EQ(test::readFile(paths[1]), "crash text");
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);

    ASSERT_TRUE(outcome.composed);
    ASSERT_EQ(handoff.drafts.size(), 1);
    EXPECT_EQ(handoff.drafts[0].to, "support@stowly.app");
    EXPECT_EQ(handoff.drafts[0].subject, "Stowly bug report (version 1.2.3)");
    EXPECT_EQ(handoff.drafts[0].attachments, paths);
    EXPECT_TRUE(handoff.drafts[0].body.endsWith("Crash: Stowly-2024-05-01-101010.crash\nAttached: "
                                                "Stowly log.txt, Stowly-2024-05-01-101010.txt"));
}

TEST_F(ReportTest, WithoutMailProgramOpensALinkWithTheLogInline) {
    handoff.acceptsDrafts = false;
    const BugReport::Outcome outcome = open("Stowly-1.crash");
    EXPECT_EQ(outcome.attachments.size(), 1) << "an unreadable crash is named, not attached";
    ASSERT_EQ(handoff.links.size(), 1);
    EXPECT_TRUE(outcome.linkOpened);
    const QString body = queryValue(handoff.links[0], "body");
    EXPECT_TRUE(body.contains("Crash: Stowly-1.crash\r\n\r\nStowly’s recent log:\r\nline one"));
    EXPECT_TRUE(body.endsWith("It’s in the folder ~/.local/state/Stowly/crashes.)"));
}

TEST_F(ReportTest, AReportNothingTakesIsKeptWithItsAttachmentsAndWhereToSendIt) {
    struct Refusing : MailHandoff {
        bool compose(const Draft&) override { return false; }
        bool open(const QUrl&) override { return false; }
    } nobody;
    QDir().mkpath(places.keepFolder);
    const BugReport::Outcome outcome =
        BugReport::openEmail(info, {"line one"}, "Stowly-1.crash", "crash text", nobody, places);
    EXPECT_FALSE(outcome.handedOver());
    ASSERT_FALSE(outcome.keptFolder.isEmpty());
    EXPECT_TRUE(outcome.keptFolder.startsWith(places.keepFolder + "/Stowly Bug Report "));
    EXPECT_EQ(QDir(outcome.keptFolder).entryList(QDir::Files),
              QStringList({"Message.txt", "Stowly log.txt", "Stowly-1.txt"}));
    const QString message = QString::fromUtf8(test::readFile(outcome.keptFolder + "/Message.txt"));
    EXPECT_TRUE(message.startsWith("Please e-mail this report and the files beside it to "
                                   "support@stowly.app.\n\nTo: support@stowly.app\nSubject: "
                                   "Stowly bug report (version 1.2.3)\n\nWhat happened?"))
        << message.toStdString();
    // Taken by the mail program: nothing is kept.
    EXPECT_TRUE(open().keptFolder.isEmpty());
}

TEST_F(ReportTest, PlantedLinkIsNeverFollowed) {
    test::writeFile(dir("victim/precious.mov"), "footage");
    ASSERT_TRUE(QFile::link(dir("victim"), folder));
    // As root the link can belong to someone else, whose entry must then stay where it is.
    const bool foreign =
        ::geteuid() == 0 && ::lchown(QFile::encodeName(folder).constData(), 65534, 65534) == 0;
    const BugReport::Outcome outcome = open();
    EXPECT_EQ(QDir(dir("victim")).entryList(QDir::Files), QStringList{"precious.mov"});
    EXPECT_TRUE(QFileInfo(outcome.folder).isDir() && !QFileInfo(outcome.folder).isSymLink());
    EXPECT_EQ(outcome.folder.startsWith(folder + u'-'), foreign);
    EXPECT_TRUE(QFile::exists(outcome.attachments.value(0)));
}

TEST_F(ReportTest, ComposeGathersInTheBackgroundAndLeavesNoNameBehind) {
    places.home = dir("home");
    places.logFiles = {test::writeFile(
        dir("Stowly.log"), logLine(QDateTime::currentDateTime(),
                                   "Copied /media/me/Anna/A.MOV to " + places.home + "/Anna")
                               .toUtf8())};
    const QString crash = test::writeFile(
        dir("Stowly-1.crash"), ("SIGSEGV\nopening " + places.home + "/Secret Film/x\n").toUtf8());

    auto recording = std::make_shared<RecordingHandoff>();
    std::optional<BugReport::Outcome> finished;
    BugReport::compose(
        CrashReports::File{crash, QDateTime::currentDateTimeUtc()}, recording,
        [&](const BugReport::Outcome& outcome) { finished = outcome; }, places);
    ASSERT_TRUE(test::spinUntil([&] { return finished.has_value(); }));
    ASSERT_EQ(finished->attachments.size(), 2);
    EXPECT_TRUE(test::readFile(finished->attachments[0]).endsWith("Copied <path> to <path>\n"));
    EXPECT_EQ(test::readFile(finished->attachments[1]), "SIGSEGV\nopening <path>\n");
    EXPECT_TRUE(recording->drafts.value(0).body.contains("Crash: Stowly-1.crash"));
}

// The desktop's helpers say by their exit status whether a program took the e-mail; one that
// keeps running has the mail program open.
TEST(SystemMailHandoffTest, HandedOverOnlyWhenTheDesktopHelperSaysSo) {
    test::TempDir dir;
    const QString record = dir("arguments");
    const auto helper = [&](const char* name, const QString& then) {
        const QString script = test::writeFile(
            dir(name), QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"%1\"\n%2\n")
                           .arg(record, then)
                           .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        return script;
    };
    const MailHandoff::Draft draft{
        "support@stowly.app", "Subject", "Body\n—", {"/t/Stowly log.txt"}};

    SystemMailHandoff taken(helper("taken", "exit 0"), helper("opened", "exit 0"));
    EXPECT_TRUE(taken.compose(draft));
    EXPECT_EQ(test::readFile(record), "--utf8\n--subject\nSubject\n--body\nBody\n—\n--attach\n"
                                      "/t/Stowly log.txt\nsupport@stowly.app\n");
    EXPECT_TRUE(taken.open(Support::tipPage()));

    // xdg-email's "no method available" and a helper that isn't there at all.
    SystemMailHandoff refused(helper("refused", "exit 3"), dir("none"));
    EXPECT_FALSE(refused.compose(draft));
    EXPECT_FALSE(refused.open(Support::tipPage()));

    SystemMailHandoff mailProgramOpen(helper("waits", "exec sleep 5 >/dev/null 2>&1"), dir("none"),
                                      300);
    EXPECT_TRUE(mailProgramOpen.compose(draft));
}
