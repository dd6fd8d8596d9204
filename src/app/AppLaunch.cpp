#include "app/AppLaunch.h"

#include "app/AppSettings.h"
#include "app/CameraStore.h"
#include "app/DestinationStore.h"
#include "app/PresetStore.h"
#include "base/Log.h"
#include "devices/DiskTool.h"
#include "devices/MountEvents.h"
#include "diagnostics/SystemInfo.h"
#include "history/Ledger.h"
#include "history/LegacyMigration.h"
#include "media/DurationReading.h"

#include <QTimer>

namespace stowly {

std::unique_ptr<AppModel> AppLaunch::makeModel(AppStores stores, AppPlatform platform,
                                               bool startWatching) {
    LegacyMigration::run();
    return std::make_unique<AppModel>(std::move(stores), std::move(platform), startWatching);
}

void AppLaunch::start(AppModel& model, bool launchedAsLoginItem, Hooks hooks) {
    Log::info(Log::Category::app, SystemInfo::current().launchedMessage());
    const bool menuBarOnly = launchedAsLoginItem && model.settings().keepRunningInMenuBar();
    if (!launchedAsLoginItem) {
        QTimer::singleShot(crashOfferDelayMs, &model, [&model, hooks] {
            if (const auto defaults = model.settings().defaults();
                defaults && hooks.offerCrashReport)
                CrashReports::offerIfNeeded(*defaults, hooks.offerCrashReport);
            if (hooks.showOnboardingIfNeeded)
                hooks.showOnboardingIfNeeded();
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
