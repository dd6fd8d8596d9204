#pragma once

#include "app/model/AppModel.h"
#include "diagnostics/CrashReports.h"

#include <functional>
#include <memory>

namespace stowly {

// The start of the application: the predecessor's files and preferences migrated once, the
// model made with its stores, the launch logged, and later the crash-report offer, the
// first-run setup and the main window, each through a hook the front end fills.
namespace AppLaunch {
struct Hooks {
    // A crash report newer than the last one looked at.
    std::function<void(const CrashReports::File&)> offerCrashReport;
    std::function<void()> showOnboardingIfNeeded;
    // Started at login with the menu bar mode on: no window, no Dock-like icon.
    std::function<void()> runInMenuBar;
    std::function<void()> openMainWindowIfClosed;
};

inline constexpr int crashOfferDelayMs = 1500;
inline constexpr int windowDelayMs = 600;

// Migrates what the predecessor left, then makes the model.
std::unique_ptr<AppModel> makeModel(AppStores stores = {}, AppPlatform platform = {},
                                    bool startWatching = true);
// Logs the launch and schedules the rest on the model's event loop.
void start(AppModel& model, bool launchedAsLoginItem, Hooks hooks);
} // namespace AppLaunch

} // namespace stowly
