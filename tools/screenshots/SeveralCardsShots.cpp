// Renders the window holding several cards in different states: two copying side by side, one
// waiting for a drive, one just inserted; shown once with a copying card and once with the
// waiting one, in the three looks.

#include "screenshots/SeveralCardsShots.h"

#include "app/lists/CardListModel.h"
#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/model/QueueBoard.h"
#include "app/settings/AppSettings.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/DesktopApp.h"
#include "ui/DesktopLook.h"
#include "ui/MainWindow.h"

#include <QListView>

using namespace stowly;
using namespace stowly::test;

void shootSeveralCards(const QString& folder) {
    World world;
    DesktopLook look{false};
    DesktopApp desktop{*world.model, &look};
    desktop.setExit([] {});
    MainWindow& window = desktop.window();
    AppModel& model = *world.model;
    QList<CardVolume> cards;
    // Large enough that the copies still run while the window is drawn; each report waits on
    // this thread, so they hold still between events.
    for (const char* name : {"A7SIII", "FX6_B", "EOS_R5", "ZV-E10"})
        cards.append(world.insertCard(
            QString::fromLatin1(name),
            {{QStringLiteral("PRIVATE/M4ROOT/CLIP/C0001.MP4"), QByteArray(96 << 20, name[1])},
             {QStringLiteral("PRIVATE/M4ROOT/CLIP/C0002.MP4"), QByteArray(24 << 20, name[2])}}));
    window.show();
    const auto show = [&](const CardVolume& card) {
        auto* list = window.findChild<QListView*>(QStringLiteral("cardList"));
        const int row = model.cardList().rowOf(card.id());
        list->setCurrentIndex(list->model()->index(row, 0));
        spinUntil([&] { return model.selectedCard() && model.selectedCard()->id() == card.id(); });
        world.waitForSession();
        model.setProject(QStringLiteral("Harbour Shoot"));
    };
    const auto shoot = [&](const CardVolume& shown, const char* name) {
        show(shown);
        // The folder tree is drawn after a pause in changes.
        spinUntil([] { return false; }, 300);
        for (const Look& each : looks) {
            choose(model.settings(), each);
            window.resize(1100, 750);
            settle();
            save(window.grab(), QStringLiteral("%1/17-several-cards-%2-%3.png")
                                    .arg(folder, QLatin1String(name), QLatin1String(each.name)));
        }
    };
    // Each run's report waits on this thread: drawn from inside the first reports of A and of B,
    // both runs hold still mid-copy, however fast the machine copies. The first two share the
    // drive because the setting lets them; the third then waits for it.
    bool shot = false;
    const auto whenCopying = [&](const CardVolume& card, std::function<void()> then) {
        auto once = std::make_shared<bool>(false);
        QObject::connect(model.desk(card.id()), &CardDesk::progressed, &window,
                         [once, then](const OffloadProgress& p) {
                             if (*once || p.currentFileBytes == 0)
                                 return;
                             *once = true;
                             then();
                         });
    };
    model.settings().setValue(setting::shareDestinationDrives, true);
    show(cards[0]);
    model.startOffload();
    whenCopying(cards[0], [&] {
        show(cards[1]);
        model.startOffload();
        whenCopying(cards[1], [&] {
            model.settings().setValue(setting::shareDestinationDrives, false);
            show(cards[2]);
            model.startOffload();
            show(cards[3]);
            shoot(cards[0], "1-copying");
            shoot(cards[2], "2-waiting");
            shot = true;
        });
        spinUntil([&] { return shot; }, 30'000);
    });
    spinUntil([&] { return shot; }, 30'000);
    for (const CardVolume& card : cards)
        model.queueBoard().cancel(card.id());
    spinUntil([&] { return !model.isBusy(); }, 30'000);
}
