#pragma once

#include "devices/CommandRunning.h"
#include "devices/DiskTool.h"
#include "devices/MountEvents.h"
#include "devices/SleepInhibitor.h"
#include "media/DurationReading.h"
#include "media/FactsReading.h"

#include <memory>

namespace stowly {

class VolumeFacts;

// The platform edge of the application model: volumes, mount events, the disk tool and the
// duration and facts readers; any left empty is this computer's own. Volumes given here must
// outlive the model's background work (the import prompt's look at a card), not only the model.
struct AppPlatform {
    const VolumeFacts* volumes = nullptr;
    std::unique_ptr<MountEvents> mountEvents;
    std::shared_ptr<CommandRunning> runner;
    std::unique_ptr<DiskTool> diskTool;
    std::shared_ptr<DurationReading> durationReader;
    // What card files hold; a model that should read none gets a null reader after filling.
    std::shared_ptr<FactsReading> factsReader;
    std::shared_ptr<SleepInhibitor> sleepInhibitor;
    bool usesNotifications = true;
    // Whether the system may ask the user for a password to erase, mount or eject a card (the
    // desktop); a command never waits for one unless told to.
    bool allowsAuthorizationPrompts = false;
    // Whether a card that appears is selected and prompted for; off where a command picks the
    // card (the command line).
    bool followsMountedCards = true;
    // Whether the cascaded copies a program left unmade are taken up here (the desktop, a
    // command that copies); a command that only looks leaves them to one that copies, as it
    // ends before they could be made.
    bool takesUpCascades = true;

    // Gives each part left empty (but the disk tool) this computer's own.
    void fillDefaults();
};

} // namespace stowly
