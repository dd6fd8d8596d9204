#include "ui/stages/DestinationStageView.h"
#include "session/OffloadSession.h"
#include "support/AppModelWorld.h"
#include "ui/stages/FolderTreePreview.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

bool drop(QWidget& target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
    return event.isAccepted();
}

class DestinationStageViewTest : public ::testing::Test {
protected:
    World w;
    AppModel& m = *w.model;
    DestinationStageView view{m};
};

} // namespace

TEST_F(DestinationStageViewTest, ADroppedFolderBecomesTheDestinationAndTheTreeShowsThePlan) {
    auto* tree = view.findChild<FolderTreePreview*>(QStringLiteral("folderTree"));
    ASSERT_TRUE(tree);

    TempDir other;
    const QString file = writeFile(other("note.txt"), "n");
    EXPECT_FALSE(drop(view, {QUrl::fromLocalFile(file)}));
    EXPECT_FALSE(
        drop(view, {QUrl::fromLocalFile(other.path()), QUrl::fromLocalFile(w.home.path())}));
    EXPECT_EQ(m.settings().value(setting::destinationPath), w.destination.path());
    EXPECT_TRUE(drop(view, {QUrl::fromLocalFile(other.path())}));
    EXPECT_EQ(m.settings().value(setting::destinationPath), QDir::cleanPath(other.path()));

    // One folder is already there: the tree marks it; the other is new.
    w.insertCard("CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/B.MP4", "b"}});
    ASSERT_TRUE(w.waitForSession());
    m.session()->setProjectInput("Harbour");
    ASSERT_TRUE(spinUntil([&] { return tree->folderCount() > 0; }));
    const QList<PlannedFile> plan = m.plan();
    ASSERT_FALSE(plan.isEmpty());
    EXPECT_EQ(tree->folderCount(), 4); // the day, the project, and a folder for each type
    const QString first = plan.first().folder.section(u'/', 0, 0);
    QDir().mkpath(other(first));
    tree->setPlan(plan, other.path());
    const QModelIndex top = tree->model()->index(0, 0);
    EXPECT_EQ(top.data().toString(), first + u'/');
    EXPECT_TRUE(top.data(Qt::UserRole).toBool()) << "an existing folder is marked";
}

TEST_F(DestinationStageViewTest, TheFavoritesMenuOffersReachableFoldersAndAddsTheCurrentOne) {
    auto* button = view.findChild<QToolButton*>(QStringLiteral("favoritesButton"));
    ASSERT_TRUE(button && button->menu());
    // The menu as it opens: the texts, with " (off)" for an entry that cannot be chosen.
    QHash<QString, QAction*> actions;
    const auto open = [&] {
        Q_EMIT button->menu()->aboutToShow();
        actions.clear();
        for (QAction* action : button->menu()->actions())
            if (!action->isSeparator() && !action->text().isEmpty())
                actions.insert(action->text() + (action->isEnabled() ? "" : " (off)"), action);
        return QStringList(actions.keyBegin(), actions.keyEnd()).join(", ").toStdString();
    };
    // The launch made the destination a favourite; another folder can be added.
    TempDir other;
    m.useFolder(other.path());
    const QString otherName = QFileInfo(other.path()).fileName();
    const QString add = "Add “" + otherName + "” to Favorites";
    const std::string before = open();
    ASSERT_TRUE(actions.contains(add)) << before;
    actions[add]->trigger();
    ASSERT_EQ(m.destinations().favorites().size(), 2);

    TempDir gone;
    m.destinations().add(gone("Drive"));
    const std::string offered = open();
    EXPECT_TRUE(actions.contains(QFileInfo(w.destination.path()).fileName())) << offered;
    EXPECT_TRUE(actions.contains("Drive isn’t connected (off)")) << offered;
    EXPECT_TRUE(actions.contains(otherName) && !actions.contains(add)) << offered;
}
