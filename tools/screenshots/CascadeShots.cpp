// Renders a card's result the moment its first copies are proved while its backup is still being
// made from them: the card may be taken out, and the backup's own progress shows below.

#include "screenshots/CascadeShots.h"

#include "app/model/AppModel.h"
#include "app/settings/AppSettings.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/DesktopApp.h"
#include "ui/DesktopLook.h"
#include "ui/MainWindow.h"

#include <QDir>

using namespace stowly;
using namespace stowly::test;

void shootCascade(const QString& folder) {
    World world;
    DesktopLook look{false};
    DesktopApp desktop{*world.model, &look};
    desktop.setExit([] {});
    MainWindow& window = desktop.window();
    AppModel& model = *world.model;
    const QString shuttle = world.home(QStringLiteral("Shuttle SSD"));
    QDir().mkpath(shuttle);
    model.settings().setValue(setting::backupDestinations, {shuttle});
    model.settings().setValue(setting::cascadeDestinations, {shuttle});
    // Large enough that the backup is still being made while the window is drawn.
    QHash<QString, QByteArray> files;
    for (int i = 1; i <= 3; ++i)
        files.insert(QStringLiteral("PRIVATE/M4ROOT/CLIP/C000%1.MP4").arg(i),
                     QByteArray(96 << 20, char('a' + i)));
    world.insertCard(QStringLiteral("A7SIII"), files);
    window.show();
    world.waitForSession();
    model.setProject(QStringLiteral("Harbour Shoot"));
    bool shot = false;
    QObject::connect(&model, &AppModel::offloadFinished, &window, [&] {
        for (const Look& each : looks) {
            if (each.theme != ThemeID::standard)
                continue;
            choose(model.settings(), each);
            window.resize(1100, 750);
            settle();
            save(window.grab(), QStringLiteral("%1/18-safe-to-remove-%2.png")
                                    .arg(folder, QLatin1String(each.name)));
        }
        shot = true;
    });
    model.startOffload();
    spinUntil([&] { return shot; }, 60'000);
    spinUntil([&] { return !model.isBusy(); }, 60'000);
}
