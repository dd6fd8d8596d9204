#include "app/model/AppLaunch.h"

#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "base/Log.h"
#include "devices/DiskTool.h"
#include "devices/MountEvents.h"
#include "diagnostics/SystemInfo.h"
#include "history/History.h"
#include "history/LegacyMigration.h"
#include "media/DurationReading.h"

#include <QTimer>

namespace stowly {

std::unique_ptr<AppModel> AppLaunch::makeModel(AppStores stores, AppPlatform platform,
                                               bool startWatching) {
    LegacyMigration::run();
    // A model that watches the computer has a window to show at once; its history, which may
    // be large, is read behind it.
    if (startWatching && !stores.ledger)
        stores.ledger = std::make_unique<History>(History::defaultFileURL(), History::LoadLater{});
    return std::make_unique<AppModel>(std::move(stores), std::move(platform), startWatching);
}

void AppLaunch::start(AppModel& model, bool launchedAsLoginItem, Hooks hooks) {
    Log::info(Log::Category::app, SystemInfo::current().launchedMessage());
    const bool menuBarOnly =
        launchedAsLoginItem && model.settings().value(setting::keepRunningInMenuBar);
    if (!launchedAsLoginItem) {
        const auto offer = [&model, hooks] {
            if (const auto defaults = model.settings().defaults();
                defaults && hooks.offerCrashReport)
                CrashReports::offerIfNeeded(*defaults, hooks.offerCrashReport);
            if (hooks.showOnboardingIfNeeded)
                hooks.showOnboardingIfNeeded();
        };
        // The first-run setup is only for someone without a history, so it waits for it.
        QTimer::singleShot(crashOfferDelayMs, &model, [&model, offer] {
            if (model.history().isLoaded())
                offer();
            else
                QObject::connect(&model.history(), &History::loaded, &model, offer,
                                 Qt::SingleShotConnection);
        });
    }
    if (menuBarOnly && hooks.runInMenuBar)
        hooks.runInMenuBar();
    QTimer::singleShot(windowDelayMs, &model, [menuBarOnly, hooks] {
        if (!menuBarOnly && hooks.openMainWindowIfClosed)
            hooks.openMainWindowIfClosed();
    });
}

} // namespace stowly
