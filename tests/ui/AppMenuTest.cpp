// The application menu and the offer after a crash: what reaches the mail program or browser.

#include "ui/AppMenu.h"
#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "support/TestSupport.h"
#include "ui/CrashReportOffer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <mutex>

using namespace stowly;
using namespace stowly::test;

namespace {

struct RecordingHandoff : MailHandoff {
    bool compose(const Draft& draft) override {
        std::lock_guard lock(mutex);
        drafts.append(draft);
        return true;
    }
    bool open(const QUrl& link) override {
        std::lock_guard lock(mutex);
        links.append(link);
        return true;
    }
    std::mutex mutex;
    QList<Draft> drafts;
    QList<QUrl> links;
};

// Presses the button with this text in the next message box that opens.
void answerNextBox(const QString& button) {
    QTimer::singleShot(0, [button] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == button)
                        b->click();
    });
}

} // namespace

TEST(AppMenuTest, SupportTipsAndBugReportsLeaveThroughTheMailProgramOrBrowser) {
    const auto handoff = std::make_shared<RecordingHandoff>();
    AppMenu menu(nullptr, handoff);
    menu.contactSupport();
    menu.openTipJar();
    ASSERT_EQ(handoff->links.size(), 2);
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
