// Renders the automatic offload tab in the three looks at the window's own size: empty, with a
// few rules (one selected), and with a new rule that can't be saved yet, saying why.

#include "screenshots/RulesShots.h"

#include "app/model/AppModel.h"
#include "app/stores/JsonFields.h"
#include "app/stores/RuleStore.h"
#include "screenshots/ShotLooks.h"
#include "support/AppModelWorld.h"
#include "ui/settings/SettingsWindow.h"

#include <QApplication>
#include <QListWidget>
#include <QStyleFactory>
#include <QToolButton>

using namespace stowly;
using namespace stowly::test;

namespace {

void shootLooks(World& world, SettingsWindow& window, const QString& folder, const QString& state) {
    AppSettings& settings = world.model->settings();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const Look& look : looks) {
        choose(settings, look);
        useLook(look);
        window.showTab(SettingsTab::automaticOffload);
        settle();
        const QString file = QStringLiteral("%1/22-automatic-offload-%2-%3.png")
                                 .arg(folder, state, QLatin1String(look.name));
        save(window.grab(), file);
    }
}

} // namespace

void shootRules(const QString& folder) {
    World world(false);
    AppModel& model = *world.model;
    SettingsWindow window(model);
    window.show();
    shootLooks(world, window, folder, QStringLiteral("empty"));

    const QUuid fx6 = model.cameras().add(QStringLiteral("Sony FX6"), QStringLiteral("FX6")).id;
    const QUuid interview = model.presets().add({.name = QStringLiteral("Interview")}).id;
    const QUuid broll = model.presets().add({.name = QStringLiteral("B-Roll")}).id;
    RuleStore& rules = model.rules();
    OffloadRule named;
    named.match = OffloadRule::Match::name;
    named.value = QStringLiteral("A*_CARD");
    named.presetID = interview;
    named.project = QStringLiteral("Smith Interview");
    named.ejectWhenVerified = true;
    rules.add(named);
    OffloadRule camera;
    camera.match = OffloadRule::Match::camera;
    camera.value = JsonFields::uuidText(fx6);
    camera.presetID = broll;
    camera.project = QStringLiteral("Harbour Shoot");
    rules.add(camera);
    OffloadRule any;
    any.project = QStringLiteral("Dailies");
    any.startWithoutAsking = false;
    rules.add(any);
    if (auto* list = window.findChild<QListWidget*>(QStringLiteral("ruleList")))
        list->setCurrentRow(0);
    shootLooks(world, window, folder, QStringLiteral("filled"));

    // A new rule under a setup that names folders after the project: listed, not saved, and why.
    if (auto* add = window.findChild<QToolButton*>(QStringLiteral("addRule")))
        add->click();
    shootLooks(world, window, folder, QStringLiteral("not-saved"));
}
