// The application menu and the offer after a crash: what reaches the mail program or browser.

#include "ui/AppMenu.h"
#include "UiWorld.h"
#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "support/RecordingHandoff.h"
#include "ui/CrashReportOffer.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(AppMenuTest, SupportTipsAndBugReportsLeaveThroughTheMailProgramOrBrowser) {
    const auto handoff = std::make_shared<RecordingHandoff>();
    AppMenu menu(nullptr, handoff);
    menu.contactSupport();
    menu.openTipJar();
    ASSERT_TRUE(spinUntil([&] {
        std::lock_guard lock(handoff->mutex);
        return handoff->links.size() == 2;
    }));
    // They leave one after the other, each from a worker of its own.
    if (handoff->links[0].scheme() != "mailto")
        std::swap(handoff->links[0], handoff->links[1]);
    EXPECT_EQ(handoff->links[0].scheme(), "mailto");
    EXPECT_EQ(handoff->links[0].path(), Support::emailAddress());
    EXPECT_EQ(handoff->links[1], Support::tipPage());

    menu.reportBug();
    ASSERT_TRUE(spinUntil([&] {
        std::lock_guard lock(handoff->mutex);
        return !handoff->drafts.isEmpty();
    }));
    EXPECT_EQ(handoff->drafts[0].to, Support::emailAddress());

    EXPECT_TRUE(AppMenu::acknowledgements()->contains("FFmpeg"));
    EXPECT_EQ(AppMenu::acknowledgements("/no/such/Acknowledgements.txt"), std::nullopt);
}

// Nothing is ever said to be sent that no program took: the report is kept where the user
// finds it, with where to send it.
TEST(AppMenuTest, AReportNoMailProgramTakesIsKeptAndTheUserToldWhere) {
    struct Refusing : MailHandoff {
        bool compose(const Draft&) override { return false; }
        bool open(const QUrl&) override { return false; }
    };
    QDir().mkpath(QDir::homePath() + "/Documents");
    QWidget window;
    AppMenu menu(&window, std::make_shared<Refusing>());
    const auto told = [] { return shownTopLevel<QMessageBox>("mailNotHandedOver"); };
    menu.reportBug();
    ASSERT_TRUE(spinUntil([&] { return told() != nullptr; }));
    const QString text = told()->text();
    EXPECT_TRUE(text.contains("the report was kept in “~/Documents/Stowly Bug Report ") &&
                text.endsWith("Please e-mail the files in that folder to support@stowly.app."))
        << text.toStdString();
    told()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    menu.contactSupport();
    ASSERT_TRUE(spinUntil([&] { return told() != nullptr; }));
    EXPECT_EQ(told()->text(), "Write to support@stowly.app from any mail program.");
    told()->close();
}

TEST(AppMenuTest, ACrashIsSentOnlyWhenTheUserSaysSo) {
    TempDir dir;
    const QString crash = writeFile(dir("Stowly-2026-12-07-101010.crash"), "signal 11\n");
    const auto handoff = std::make_shared<RecordingHandoff>();

    answerNextBox("Not Now");
    CrashReportOffer::ask(nullptr, {crash, QDateTime::currentDateTime()}, handoff);
    spinUntil([] { return false; }, 300);
    EXPECT_TRUE(handoff->drafts.isEmpty());

    answerNextBox("Send Report");
    CrashReportOffer::ask(nullptr, {crash, QDateTime::currentDateTime()}, handoff);
    ASSERT_TRUE(spinUntil([&] {
        std::lock_guard lock(handoff->mutex);
        return !handoff->drafts.isEmpty();
    }));
    bool attached = false;
    for (const QString& file : handoff->drafts[0].attachments)
        attached = attached || file.endsWith("Stowly-2026-12-07-101010.txt");
    EXPECT_TRUE(attached) << handoff->drafts[0].attachments.join(", ").toStdString();
}
