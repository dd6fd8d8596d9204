// Renders the naming tab of the settings window in the three looks: as it opens, with an error
// in the folder template and a warning in the file template, and with no folder template.

#include "ui/tools/NamingShots.h"

#include "app/AppModel.h"
#include "support/AppModelWorld.h"
#include "ui/Theme.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/tools/ShotLooks.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>

using namespace stowly;
using namespace stowly::test;

namespace {

void shootLooks(World& world, SettingsWindow& window, const QString& folder, const QString& state) {
    AppSettings& settings = world.model->settings();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const Look& look : looks) {
        settings.setValue(setting::theme, look.theme);
        settings.setValue(setting::appearance, look.appearance);
        const ThemeColors colors = Theme::colors(look.theme, look.isDark(), false);
        QApplication::setPalette(Theme::palette(colors));
        qApp->setStyleSheet(Theme::styleSheet(colors, QApplication::font()));
        window.showTab(SettingsTab::naming);
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        const QString file =
            QStringLiteral("%1/21-naming-%2-%3.png").arg(folder, state, QLatin1String(look.name));
        if (!window.grab().save(file))
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        else
            std::printf("%s\n", qPrintable(file));
    }
}

} // namespace

void shootNaming(const QString& folder) {
    Theme::useFallbackIcons();
    World world(false);
    AppSettings& settings = world.model->settings();
    settings.setValue(setting::destinationPath, QStringLiteral("/media/footage/Projects"));
    settings.setValue(setting::lastProject, QStringLiteral("Harbour Shoot"));
    SettingsWindow window(*world.model);
    window.resize(640, 1000);
    window.show();
    shootLooks(world, window, folder, QStringLiteral("normal"));

    settings.setValue(setting::folderTemplate, QStringLiteral("{date}/{project}/{seq:3}"));
    settings.setValue(setting::fileTemplate, QStringLiteral("{date}_{camera}"));
    shootLooks(world, window, folder, QStringLiteral("problems"));

    settings.setValue(setting::folderTemplate, QString());
    settings.setValue(setting::fileTemplate, QStringLiteral("{date}_{project}_{seq}"));
    shootLooks(world, window, folder, QStringLiteral("flat"));
}
