// Renders the smaller pieces of the stages that the window's states don't show: the range of
// dates with a calendar open, one name of a combined folder level being dragged, and the whole
// window where the desktop has no icon theme at all, in the three looks.

#include "screenshots/StageShots.h"

#include "app/model/AppModel.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/DesktopApp.h"
#include "ui/DesktopLook.h"
#include "ui/MainWindow.h"
#include "ui/Theme.h"
#include "ui/stages/DateRangeDialog.h"
#include "ui/stages/FolderLevelsEditor.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTest>

using namespace stowly;
using namespace stowly::test;

namespace {

// The dialog with the first day's calendar open under its field, as the user sees it.
QPixmap dateRange() {
    DateRangeDialog dialog(QDate(2026, 10, 23), QDate(2026, 10, 25));
    dialog.show();
    settle();
    auto* first = dialog.findChild<QDateEdit*>(QStringLiteral("firstDay"));
    QCalendarWidget* calendar = first->calendarWidget();
    calendar->setSelectedDate(first->date());
    calendar->resize(calendar->sizeHint().expandedTo(QSize(280, 200)));
    settle();
    const QPixmap form = dialog.grab();
    const QPixmap popup = calendar->grab();
    const QPoint under = first->mapTo(&dialog, QPoint(0, first->height()));
    QPixmap picture(QSize(std::max(form.width(), under.x() + popup.width()),
                          std::max(form.height(), under.y() + popup.height())) *
                    form.devicePixelRatio());
    picture.setDevicePixelRatio(form.devicePixelRatio());
    picture.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, form);
    painter.drawPixmap(under, popup);
    painter.setPen(QApplication::palette().color(QPalette::Mid));
    painter.drawRect(QRect(under, popup.size() / popup.devicePixelRatio()).adjusted(0, 0, -1, -1));
    return picture;
}

// "{camera}" taken out of "{date}_{camera}" and carried over the left side of "{project}".
QPixmap nameDrag(World& world) {
    world.model->settings().setValue(setting::folderTemplate,
                                     QStringLiteral("{date}_{camera}/{project}"));
    FolderLevelsEditor editor(world.model->settings());
    editor.resize(300, 300);
    editor.show();
    settle();
    auto* levels = editor.findChild<QListWidget*>(QStringLiteral("folderLevels"));
    int cameraAt = 0;
    while (cameraAt < levels->viewport()->width() &&
           editor.dragText(0, cameraAt) != QStringLiteral("stowly-item:0:1"))
        ++cameraAt;
    int projectAt = 0;
    while (projectAt < levels->viewport()->width() && editor.placeAt(1, projectAt) == 0)
        ++projectAt;
    const QPixmap carried = editor.dragPixmap(0, cameraAt + 8);
    QPixmap picture = editor.grab();
    QPainter painter(&picture);
    const QPoint origin = levels->viewport()->mapTo(&editor, QPoint());
    const QRect second = levels->visualRect(levels->model()->index(1, 0)).translated(origin);
    // Where it lands: before the name under the pointer.
    const int line = origin.x() + projectAt / 2 + 2;
    painter.fillRect(QRect(line, second.top() + 3, 2, second.height() - 6),
                     QApplication::palette().color(QPalette::Highlight));
    painter.setOpacity(0.85);
    painter.drawPixmap(QPoint(line - 10, second.top() + second.height() / 2 + 6), carried);
    return picture;
}

} // namespace

void shootStageDetails(const QString& folder) {
    {
        World world;
        for (const Look& look : looks) {
            useLook(look);
            save(dateRange(),
                 QStringLiteral("%1/14-date-range-%2.png").arg(folder, QLatin1String(look.name)));
            save(nameDrag(world), QStringLiteral("%1/15-folder-name-drag-%2.png")
                                      .arg(folder, QLatin1String(look.name)));
        }
    }

    // No icon theme anywhere: what a bare X session without a desktop gives.
    qputenv("XDG_DATA_DIRS", "/nonexistent");
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
    QIcon::setFallbackThemeName(QString());
    World world;
    DesktopLook look{false};
    DesktopApp desktop{*world.model, &look};
    desktop.setExit([] {});
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
    QIcon::setFallbackThemeName(QString());
    MainWindow& window = desktop.window();
    world.insertCard(QStringLiteral("A7SIII"),
                     {{QStringLiteral("DCIM/100MSDCF/DSC00001.JPG"), QByteArray(300'000, 'a')},
                      {QStringLiteral("PRIVATE/M4ROOT/CLIP/C0001.MP4"), QByteArray(900'000, 'b')}});
    world.waitForSession();
    window.show();
    if (auto* project = window.findChild<QLineEdit*>(QStringLiteral("projectField")))
        QTest::keyClicks(project, QStringLiteral("Harbour Shoot"));
    spinUntil([] { return false; }, 400);
    for (const Look& each : looks) {
        choose(world.model->settings(), each);
        window.resize(1100, 750);
        settle();
        save(window.grab(),
             QStringLiteral("%1/16-bare-desktop-%2.png").arg(folder, QLatin1String(each.name)));
    }
}
