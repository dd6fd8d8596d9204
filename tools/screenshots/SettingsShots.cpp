// Renders every tab of the settings window in the three looks, with a few cameras, an ignored
// card and an ignore entry that hides footage, so each state shows.

#include "screenshots/SettingsShots.h"

#include "app/model/AppModel.h"
#include "app/stores/CameraStore.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/settings/SettingsWindow.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTabWidget>

using namespace stowly;
using namespace stowly::test;

namespace {

// Every tab in every look, the window tall enough that each tab shows whole.
void shootTabs(World& world, SettingsWindow& window, const QString& folder, const QString& state) {
    AppSettings& settings = world.model->settings();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const Look& look : looks) {
        choose(settings, look);
        useLook(look);
        for (const SettingsTab tab :
             {SettingsTab::general, SettingsTab::appearance, SettingsTab::presets,
              SettingsTab::automaticOffload, SettingsTab::destinations, SettingsTab::naming,
              SettingsTab::files, SettingsTab::cameras}) {
            window.showTab(tab);
            settle();
            const QString file =
                QStringLiteral("%1/20-settings-%2-%3-%4.png")
                    .arg(folder, state, settingsTab::rawValue(tab), QLatin1String(look.name));
            save(window.grab(), file);
        }
    }
}

} // namespace

void shootSettings(const QString& folder) {
    World world(false);
    SettingsWindow window(*world.model);
    window.resize(window.width(), 1000);
    window.show();
    shootTabs(world, window, folder, QStringLiteral("empty"));

    CameraStore& cameras = world.model->cameras();
    cameras.add(QStringLiteral("Sony FX3"), QStringLiteral("FX3"));
    cameras.add(QStringLiteral("Sony A7S III"), QStringLiteral("A7S"));
    cameras.add(QStringLiteral("DJI Mini 4 Pro"), QStringLiteral("DRONE"));
    AppSettings& settings = world.model->settings();
    CardVolume card;
    card.name = QStringLiteral("SONY_FX3_B");
    card.url = QStringLiteral("/media/user/SONY_FX3_B");
    settings.ignoreImports(card);
    FileRules rules = settings.value(setting::fileRules);
    rules.ignorePatterns << QStringLiteral("*.mp4");
    settings.setValue(setting::fileRules, rules);
    settings.setShortClipSliderSeconds(0);
    // A shared history whose server doesn't answer.
    settings.setValue(setting::historyServer,
                      QStringLiteral("host=/run/no-such-server dbname=stowly user=cart2"));
    shootTabs(world, window, folder, QStringLiteral("filled"));
}
