#include "screenshots/WelcomeShots.h"

#include "app/onboarding/OnboardingStore.h"
#include "app/settings/AppSettings.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/DesktopApp.h"
#include "ui/DesktopLook.h"
#include "ui/WelcomeWindow.h"

#include <QCoreApplication>
#include <QPushButton>

using namespace stowly;
using namespace stowly::test;

namespace {

QList<OnboardingDrive> drives() {
    OnboardingDrive raid{QStringLiteral("Footage RAID"),
                         QStringLiteral("External"),
                         QStringLiteral("/media/footage-raid"),
                         8'000'000'000'000,
                         2'400'000'000'000,
                         false};
    OnboardingDrive system{QStringLiteral("Computer"),
                           QStringLiteral("Internal"),
                           QStringLiteral("/home/alex/Videos"),
                           1'000'000'000'000,
                           310'000'000'000,
                           true};
    return {raid, system};
}

} // namespace

void shootWelcome(const QString& folder) {
    World world;
    DesktopLook look{false};
    DesktopApp desktop(*world.model, &look);
    WelcomeWindow window(*world.model, nullptr, drives);
    window.show();
    OnboardingStore& store = window.store();

    const auto shoot = [&](const QString& state) {
        for (const Look& l : looks) {
            choose(world.model->settings(), l);
            spinUntil([] { return false; }, 50);
            settle();
            const QString file =
                QStringLiteral("%1/13-welcome-%2-%3.png").arg(folder, state, QLatin1String(l.name));
            save(window.grab(), file);
        }
    };

    shoot(QStringLiteral("1-splash"));
    store.goForward();
    shoot(QStringLiteral("2-starter"));
    store.goForward();
    shoot(QStringLiteral("3-destination-none"));
    OnboardingDraft draft = store.draft();
    draft.destinationPath = drives().first().suggestedPath;
    store.setDraft(draft);
    shoot(QStringLiteral("3-destination"));
    store.goForward();
    draft.folderTemplate = QStringLiteral("{date}/{project");
    store.setDraft(draft);
    shoot(QStringLiteral("4-folders-broken"));
    draft = store.draft();
    draft.folderTemplate = QStringLiteral("{date}/{project}/{camera}");
    store.setDraft(draft);
    shoot(QStringLiteral("4-folders"));
    store.goForward();
    shoot(QStringLiteral("5-naming"));
    store.goForward();
    shoot(QStringLiteral("6-review"));
    window.findChild<QPushButton*>(QStringLiteral("welcomeNext"))->click();
    shoot(QStringLiteral("7-done-waiting"));
    world.insertCard(QStringLiteral("A7SIII"),
                     {{QStringLiteral("DCIM/100MSDCF/DSC00001.JPG"), QByteArray(1000, 'a')}});
    spinUntil([&] { return !world.model->cards().isEmpty(); });
    shoot(QStringLiteral("7-done-card"));
}
