#include "ui/stages/MediaStageView.h"
#include "../UiWorld.h"
#include "history/HistoryIndex.h"
#include "session/OffloadSession.h"
#include "support/PrivateSessionBus.h"
#include "ui/FileManager.h"
#include "ui/stages/MediaFileMenu.h"
#include "ui/stages/PreviewWindow.h"
#include "ui/thumbnails/ThumbnailProvider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// Stands in for the desktop's handler of file links.
class FolderOpener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

QPushButton* nothingButton(QWidget& view) {
    auto* nothing = find<QWidget>(view, "nothingToCopy");
    return nothing ? nothing->findChild<QPushButton*>() : nullptr;
}

// The media stage of a model whose cards are still to come.
class MediaStageViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(list); }
    World w;
    AppModel& m = *w.model;
    ThumbnailProvider thumbnails;
    MediaStageView view{m, thumbnails};
    QListView* list = find<QListView>(view, "mediaView");
};

} // namespace

TEST_F(MediaStageViewTest, ScopesAndTheNothingToCopyButtonActOnTheSession) {
    w.durations->seconds = {{"C1.MP4", 30.0}, {"C2.MP4", 1.0}};
    const QByteArray clip = readFile(QStringLiteral(STOWLY_TEST_DATA_DIR "/media/clip-1s.mp4"));
    w.insertCard("CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/C1.MP4", clip}, {"DCIM/C2.MP4", "s"}});
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(find<QWidget>(view, "scopeSwitch"));
    EXPECT_EQ(list->model()->rowCount(), 2);
    m.session()->setProjectInput("P");

    // Space previews from the current file, the arrows step and the list follows, Escape closes.
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Space);
    auto* preview = view.findChild<PreviewWindow*>();
    ASSERT_TRUE(preview && preview->isVisible());
    EXPECT_EQ(preview->items().size(), 2);
    QTest::keyClick(preview, Qt::Key_Right);
    QTest::keyClick(preview, Qt::Key_Right);
    EXPECT_EQ(preview->currentIndex(), 1);
    EXPECT_EQ(list->currentIndex().row(), 1);
    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());

    // The short clip waits in its own list, where one click offloads every short clip.
    view.setScope(MediaStageView::ListScope::skippedShort);
    EXPECT_EQ(list->model(), &m.shortClipsSkipped());
    QPushButton* includeAll = nullptr;
    for (auto* button : view.findChildren<QPushButton*>())
        if (button->isVisibleTo(&view) &&
            button->toolTip() == "Offload every short clip on this card")
            includeAll = button;
    ASSERT_TRUE(includeAll);
    includeAll->click();
    EXPECT_EQ(m.filesToCopy().rowCount(), 3);

    // Offloaded, then with the copies gone: the one button re-offloads the missing copies.
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    for (const QString& path : m.session()->copiedPaths())
        QFile::remove(path);
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    view.setScope(MediaStageView::ListScope::offloaded);
    EXPECT_EQ(list->model()->rowCount(), 3);
    view.setScope(MediaStageView::ListScope::toCopy);
    QPushButton* button = nothingButton(view);
    ASSERT_TRUE(button && button->isVisibleTo(&view));
    button->click();
    EXPECT_EQ(m.session()->reoffloadMode(), ReoffloadMode::missing);
    EXPECT_EQ(list->model()->rowCount(), 3);
    EXPECT_FALSE(find<QWidget>(view, "nothingToCopy")->isVisibleTo(&view));
}

TEST_F(MediaStageViewTest, TwentyThousandFilesLayOutAsUniformRows) {
    QHash<QString, QByteArray> files;
    for (int i = 0; i < 20'000; ++i)
        files.insert(QStringLiteral("DCIM/%1/IMG_%2.JPG").arg(i / 1000).arg(i, 5, 10, QChar(u'0')),
                     "x");
    w.insertCard("BIG", files);
    ASSERT_TRUE(spinUntil([&] { return m.session() && !m.isScanning(); }, 60'000));
    view.resize(640, 560);
    view.show();
    EXPECT_EQ(list->model()->rowCount(), 20'000);
    EXPECT_TRUE(list->uniformItemSizes());
    list->scrollToBottom();
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    EXPECT_GT(list->verticalScrollBar()->maximum(), 20'000 * 30);
    m.settings().setValue(setting::mediaLayout, MediaLayout::grid);
    EXPECT_TRUE(list->uniformItemSizes());
    EXPECT_FALSE(view.grab().isNull());
}

// At every width the grid's rows hold as many tiles as fit, never one alone while two fit.
TEST_F(MediaStageViewTest, GridRowsHoldAsManyTilesAsFitAtEveryWidth) {
    QHash<QString, QByteArray> files;
    for (int i = 0; i < 12; ++i)
        files.insert(QStringLiteral("DCIM/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')), "x");
    w.insertCard("GRID", files);
    ASSERT_TRUE(w.waitForSession());
    m.settings().setValue(setting::mediaLayout, MediaLayout::grid);
    view.show();
    for (int width = 360; width <= 900; width += 9) {
        view.resize(width, 600);
        QCoreApplication::processEvents();
        const QRect first = list->visualRect(list->model()->index(0, 0));
        int inRow = 0;
        for (int i = 0; i < 12; ++i)
            inRow += list->visualRect(list->model()->index(i, 0)).top() == first.top();
        const int fit = (list->viewport()->width() - list->spacing()) /
                        (first.width() >= 160 ? 160 + list->spacing() : 1);
        EXPECT_EQ(inRow, std::clamp(fit, 1, 12)) << "at " << width << " px";
        EXPECT_LE(list->visualRect(list->model()->index(inRow - 1, 0)).right(),
                  list->viewport()->width());
    }
}

// A range of days from two calendars: what it leaves out stays on the card, and the field shows
// the range while it applies.
TEST_F(MediaStageViewTest, ChosenDatesLimitTheOffloadAndShowInTheField) {
    w.insertCard("CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/B.JPG", "b"}});
    ASSERT_TRUE(w.waitForSession());
    view.show();
    auto* dates = find<QComboBox>(view, "dateFilter");
    ASSERT_TRUE(dates);
    const int choose = dates->findText("Choose Dates…");
    ASSERT_GE(choose, 0);

    // Last week, which holds none of today's files.
    const QDate from = QDate::currentDate().addDays(-8);
    const QDate to = QDate::currentDate().addDays(-7);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = shownTopLevel<QDialog>("dateRange")) {
            // Setting the last day first pulls the first one back with it.
            dialog->findChild<QDateEdit*>("lastDay")->setDate(to.addDays(-30));
            EXPECT_EQ(dialog->findChild<QDateEdit*>("firstDay")->date(), to.addDays(-30));
            dialog->findChild<QDateEdit*>("firstDay")->setDate(from);
            dialog->findChild<QDateEdit*>("lastDay")->setDate(to);
            dialog->findChild<QPushButton*>("useDates")->click();
            answered = true;
        }
    });
    Q_EMIT dates->activated(choose);
    ASSERT_TRUE(answered);
    EXPECT_EQ(m.settings().value(setting::dateFilter), DateFilter::days(from, to));
    EXPECT_EQ(dates->currentText(), QStringLiteral("%1 to %2")
                                        .arg(QLocale().toString(from, QLocale::ShortFormat),
                                             QLocale().toString(to, QLocale::ShortFormat)));
    ASSERT_TRUE(spinUntil([&] { return m.filesToCopy().rowCount() == 0; }));
    EXPECT_EQ(m.session()->outsideDatesCount(), 2);
}

TEST_F(MediaStageViewTest, QuickDumpSwitchAndFileMenusChangeTheSession) {
    w.durations->seconds = {{"S.MP4", 1.0}};
    w.insertCard("CARD", {{"A.JPG", "a"}, {"S.MP4", "s"}});
    ASSERT_TRUE(w.waitForSession());

    // A quick dump needs no project, and the field says so.
    auto* project = find<QLineEdit>(view, "projectField");
    ASSERT_TRUE(project);
    find<QCheckBox>(view, "quickDumpSwitch")->click();
    EXPECT_TRUE(m.settings().value(setting::quickDump));
    EXPECT_EQ(project->placeholderText(), "Not needed for a quick dump");

    // The skipped clip's menu offers it anyway; once in, its menu skips it again.
    const auto menuOf = [&](MediaStageView::ListScope scope) {
        auto menu = std::make_unique<QMenu>();
        SessionFilesModel& files =
            scope == MediaStageView::ListScope::toCopy ? m.filesToCopy() : m.shortClipsSkipped();
        const int row = files.rowCount() - 1;
        EXPECT_TRUE(MediaFileMenu::fill(*menu, m, scope, *files.clip(row), files.index(row),
                                        FileManager()));
        return menu;
    };
    auto skipped = menuOf(MediaStageView::ListScope::skippedShort);
    ASSERT_EQ(skipped->actions().size(), 1);
    skipped->actions().first()->trigger();
    EXPECT_EQ(m.filesToCopy().rowCount(), 2);
    auto included = menuOf(MediaStageView::ListScope::toCopy);
    ASSERT_EQ(included->actions().size(), 1);
    EXPECT_EQ(included->actions().first()->text(), "Skip This Short Clip");
    included->actions().first()->trigger();
    EXPECT_EQ(m.filesToCopy().rowCount(), 1);

    // A file offloaded before can be copied again, and its earlier copy shown selected in the
    // file manager.
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    SessionFilesModel& offloaded = m.filesOffloaded();
    ASSERT_EQ(offloaded.rowCount(), 1);
    const Clip clip = *offloaded.clip(0);
    const QString copy = m.history()
                             .entriesByKey()
                             .find(clip.historyKey(m.session()->card().volumeIdentity()))
                             ->destinationPath;
    EXPECT_EQ(MediaFileMenu::copyPath(m, clip), copy);
    QString why;
    const auto bus = PrivateSessionBus::start(&why);
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    const QString path = QStringLiteral("/org/freedesktop/FileManager1");
    QMenu menu;
    ASSERT_TRUE(MediaFileMenu::fill(menu, m, MediaStageView::ListScope::offloaded, clip,
                                    offloaded.index(0),
                                    bus ? FileManager(bus->connection()) : FileManager()));
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[1]->text(), "Show Copy in File Manager");
    ASSERT_TRUE(bus) << why.toStdString();
    // No file manager on the bus: its folder opens instead.
    FolderOpener opener;
    QDesktopServices::setUrlHandler("file", &opener, "open");
    menu.actions()[1]->trigger();
    EXPECT_TRUE(spinUntil([&] { return !opener.opened.isEmpty(); }));
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(opener.opened.value(0), QUrl::fromLocalFile(QFileInfo(copy).absolutePath()));
    ASSERT_TRUE(bus->startObject(service, path, service)) << "no file manager stand-in";
    bus->mock(service, path, "AddMethod", {service, "ShowItems", "ass", "", ""});
    menu.actions()[1]->trigger();
    ASSERT_TRUE(spinUntil([&] { return !bus->calls(service, path, "ShowItems").isEmpty(); }));
    EXPECT_EQ(bus->calls(service, path, "ShowItems")[0][0].toStringList(),
              QStringList{QUrl::fromLocalFile(copy).toString(QUrl::FullyEncoded)});
    menu.actions().first()->trigger();
    EXPECT_TRUE(m.session()->reoffloadingIDs().contains(clip.id()));
    EXPECT_EQ(m.filesToCopy().rowCount(), 1);
}

#include "MediaStageViewTest.moc"
