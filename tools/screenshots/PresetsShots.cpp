// Renders the presets and destinations tabs in the three looks: empty, then with presets (the
// one in use edited, its templates broken), favourites (one not connected, one refused another's
// folder), each selected, and two backups, one from the first copy.

#include "screenshots/PresetsShots.h"

#include "app/model/AppModel.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/settings/SettingsWindow.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QStyleFactory>

using namespace stowly;
using namespace stowly::test;

namespace {

void shootTabs(World& world, SettingsWindow& window, const QString& folder, const QString& state) {
    AppSettings& settings = world.model->settings();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const Look& look : looks) {
        choose(settings, look);
        useLook(look);
        for (const SettingsTab tab : {SettingsTab::presets, SettingsTab::destinations}) {
            window.showTab(tab);
            settle();
            const QString file =
                QStringLiteral("%1/21-settings-%2-%3-%4.png")
                    .arg(folder, state, settingsTab::rawValue(tab), QLatin1String(look.name));
            save(window.grab(), file);
        }
    }
}

// Selects a row of the list with that object name.
void selectRow(SettingsWindow& window, const char* list, int row) {
    if (auto* widget = window.findChild<QListWidget*>(QLatin1String(list)))
        widget->setCurrentRow(row);
}

} // namespace

void shootPresets(const QString& folder) {
    World world(false);
    AppModel& model = *world.model;
    SettingsWindow window(model);
    window.resize(window.width(), 1000);
    window.show();
    shootTabs(world, window, folder, QStringLiteral("empty"));

    model.cameras().add(QStringLiteral("Sony FX3"), QStringLiteral("FX3"));
    DestinationStore& destinations = model.destinations();
    const QString footage = world.destination(QStringLiteral("Footage"));
    QDir().mkpath(footage);
    destinations.add(footage);
    destinations.add(world.destination(QStringLiteral("Archive")), QStringLiteral("Archive SSD"));
    destinations.add(QStringLiteral("/media/user/T7 Shield/Client Work/2026/Harbour Project"));
    model.useFavorite(*destinations.favoriteForPath(footage));
    model.saveCurrentSetupAsPreset(QStringLiteral("Wedding"));
    model.saveCurrentSetupAsPreset(QStringLiteral("Interview"));
    model.settings().setValue(setting::quickDump, true);
    model.saveCurrentSetupAsPreset(QStringLiteral("Daily Archive"));
    model.presets().markActive(model.presets().presets()[0].id);
    // Two backups: one read with the destination, one cascading from the first copy.
    const QString shuttle = world.destination(QStringLiteral("Shuttle"));
    const QString backupSSD = world.destination(QStringLiteral("Backup SSD"));
    QDir().mkpath(shuttle);
    QDir().mkpath(backupSSD);
    model.settings().setValue(setting::backupDestinations, QStringList{shuttle, backupSSD});
    model.settings().setCascades(backupSSD, true);
    selectRow(window, "presetList", 1);
    selectRow(window, "favoriteList", 1);
    shootTabs(world, window, folder, QStringLiteral("filled"));

    // The preset's templates no longer parse; the selected favourite's drive is away.
    model.presets().edit(model.presets().presets()[0].id,
                         [](OffloadPreset& p) { p.fileTemplate = QStringLiteral("{date_{seq}"); });
    selectRow(window, "presetList", 0);
    selectRow(window, "favoriteList", 2);
    // It was pointed at the footage folder, which another favourite has: refused, and said.
    destinations.setPath(destinations.favorites()[2].id, footage);
    // A third backup whose drive is away, selected.
    model.settings().setValue(
        setting::backupDestinations,
        QStringList{shuttle, backupSSD, QStringLiteral("/media/user/Travel Drive/Footage")});
    selectRow(window, "backupList", 2);
    shootTabs(world, window, folder, QStringLiteral("problems"));
}
