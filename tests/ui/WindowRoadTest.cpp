#include "UiWorld.h"
#include "session/OffloadSession.h"
#include "support/Printing.h"
#include "ui/OffloadBar.h"
#include "ui/ReportWindow.h"
#include "ui/StagePanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

QString text(const QWidget& root, const char* name) {
    const QLabel* label = find<QLabel>(root, name);
    return label ? label->text() : QString();
}

StageState stageOf(const MainWindow& window, int number) {
    const char* names[] = {"cardStage", "mediaStage", "destinationStage"};
    const auto* panel = find<StagePanel>(window, names[number - 1]);
    return panel ? panel->state() : StageState::pending;
}

} // namespace

// One card's way through the real window: inserted, named, started with the button, watched
// while it copies, its result read and dismissed, and then shown as fully offloaded.
TEST(WindowRoadTest, CardTravelsFromInsertToAllCaughtUp) {
    WindowWorld w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    const OffloadBar& bar = w.window.offloadBar();
    auto* start = find<QPushButton>(bar, "startButton");
    EXPECT_FALSE(start->isEnabled());

    w.world.insertCard("A7SIII", {{"DCIM/100MSDCF/DSC00001.JPG", QByteArray(300'000, 'a')},
                                  {"DCIM/100MSDCF/DSC00002.JPG", QByteArray(200'000, 'b')},
                                  {"PRIVATE/M4ROOT/CLIP/C0001.MP4", QByteArray(900'000, 'c')}});
    ASSERT_TRUE(w.world.waitForSession());
    const QAbstractItemModel* cards = find<QListView>(w.window, "cardList")->model();
    ASSERT_EQ(cards->rowCount(), 1);
    // The default naming wants a project: the media stage asks, the bar says so.
    EXPECT_EQ(stageOf(w.window, 2), StageState::active);
    EXPECT_EQ(text(bar, "readyLine"), "Enter a project name");

    QTest::keyClicks(find<QLineEdit>(w.window, "projectField"), "Harbour");
    ASSERT_TRUE(spinUntil([&] { return start->isEnabled(); }));
    EXPECT_EQ(stageOf(w.window, 2), StageState::done);
    EXPECT_EQ(start->text(), "Offload 3 Files");

    // Every report is shown before the copy goes on, so the bar is read as each one arrives.
    QStringList countsSeen;
    int verifyingSeen = 0;
    QObject::connect(w.world.model.get(), &AppModel::offloadProgressed, [&] {
        countsSeen.append(text(bar, "progressCounts"));
        const bool verifying = w.world.model->session()->progress().isVerifying;
        EXPECT_EQ(find(bar, "verifyingTag")->isVisible(), verifying);
        verifyingSeen += verifying;
    });
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(w.world.waitForOffload());
    EXPECT_FALSE(countsSeen.filter("1 of 3 files · ").isEmpty())
        << countsSeen.join(u'\n').toStdString();
    EXPECT_GT(verifyingSeen, 0);
    EXPECT_EQ(text(bar, "finishedTitle"), "Offload Complete");
    EXPECT_FALSE(find(bar, "failureList")->isVisible());
    EXPECT_FALSE(start->isVisible());

    // The run's report, from the finished bar: its three files.
    auto* showReport = find<QPushButton>(bar, "showReportButton");
    ASSERT_TRUE(spinUntil([&] { return showReport->isEnabled(); }));
    QTest::mouseClick(showReport, Qt::LeftButton);
    ReportWindow* report = nullptr;
    ASSERT_TRUE(spinUntil([&] {
        report = w.window.findChild<ReportWindow*>();
        return report && report->isReady();
    }));
    const QString reported = find<QTextBrowser>(*report, "reportView")->toPlainText();
    for (const char* file : {"DSC00001.JPG", "DSC00002.JPG", "C0001.MP4"})
        EXPECT_TRUE(reported.contains(file)) << reported.toStdString();
    report->close();

    QTest::mouseClick(find<QPushButton>(bar, "doneButton"), Qt::LeftButton);
    ASSERT_TRUE(w.world.waitForSession());
    EXPECT_FALSE(start->isEnabled());
    const QWidget* nothing = find(w.window, "nothingToCopy");
    ASSERT_TRUE(spinUntil([&] { return nothing->isVisible(); }));
    QStringList shown;
    for (const QLabel* label : nothing->findChildren<QLabel*>())
        shown.append(label->text());
    EXPECT_TRUE(shown.contains("All Caught Up")) << shown.join(u'|').toStdString();
}

// A file that leaves the card after the scan fails alone: the others are copied, the result
// says so in its title and lists the file with its reason; a cancelled run says it was.
TEST(WindowRoadTest, ProblemsAndCancellingAreShownAsSuch) {
    WindowWorld w;
    w.window.show();
    const OffloadBar& bar = w.window.offloadBar();
    w.world.model->settings().setValue(setting::folderTemplate, "{date}");
    w.world.model->settings().setValue(setting::fileTemplate, "{date}_{seq}");
    const CardVolume card = w.world.insertCard(
        "CARD", {{"DCIM/A.JPG", QByteArray(1000, 'a')}, {"DCIM/B.JPG", QByteArray(1000, 'b')}});
    ASSERT_TRUE(w.world.waitForSession());
    ASSERT_TRUE(QFile::remove(card.url + "/DCIM/B.JPG"));
    QTest::mouseClick(find<QPushButton>(bar, "startButton"), Qt::LeftButton);
    ASSERT_TRUE(w.world.waitForOffload());
    EXPECT_EQ(text(bar, "finishedTitle"), "Finished with Problems");
    const auto* failures = find<QListWidget>(bar, "failureList");
    EXPECT_TRUE(failures->isVisible());
    ASSERT_EQ(failures->count(), 1);
    EXPECT_TRUE(failures->item(0)->text().startsWith("DCIM/B.JPG: "));

    // At the first report of the next run: closing the window asks first, and keeping on
    // copies on; then Cancel stops the run and the title says so.
    for (const char* name : {"C", "D", "E"})
        writeFile(card.url + QStringLiteral("/DCIM/%1.JPG").arg(QLatin1String(name)),
                  QByteArray(100'000, name[0]));
    QTest::mouseClick(find<QPushButton>(bar, "doneButton"), Qt::LeftButton);
    ASSERT_TRUE(w.world.waitForSession());
    bool asked = false;
    QObject::connect(w.world.model.get(), &AppModel::offloadProgressed, [&] {
        auto* cancel = bar.findChild<QPushButton*>("cancelButton");
        // Reports from the run itself, not the one announcing it.
        if (asked || !cancel->isVisible() || w.world.model->session()->progress().filesTotal == 0)
            return;
        asked = true;
        answerNextBox("Keep Copying");
        EXPECT_FALSE(w.window.close());
        EXPECT_TRUE(w.window.isVisible());
        EXPECT_TRUE(w.world.model->isBusy());
        cancel->click();
    });
    QTest::mouseClick(find<QPushButton>(bar, "startButton"), Qt::LeftButton);
    ASSERT_TRUE(w.world.waitForOffload());
    EXPECT_TRUE(asked);
    EXPECT_EQ(text(bar, "finishedTitle"), "Offload Cancelled");
}
