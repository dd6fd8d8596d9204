#pragma once

#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "app/stores/RuleStore.h"
#include "history/History.h"

#include <memory>

namespace stowly {

class VolumeFacts;

// The stores the application model owns; any left empty is made from its default location.
struct AppStores {
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<History> ledger;
    std::unique_ptr<CameraStore> cameras;
    std::unique_ptr<DestinationStore> destinations;
    std::unique_ptr<PresetStore> presets;
    std::unique_ptr<RuleStore> rules;

    // Makes each store left empty from its default location; the favourites read volume UUIDs
    // through `volumes`, which must outlive them.
    void fillDefaults(const VolumeFacts& volumes);
};

} // namespace stowly
