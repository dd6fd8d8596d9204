#include "app/stores/AppStores.h"

#include "devices/VolumeFacts.h"

namespace stowly {

void AppStores::fillDefaults(const VolumeFacts& volumes) {
    if (!settings)
        settings = std::make_unique<AppSettings>(AppSettings::openStandardPreferences());
    if (!ledger)
        ledger = std::make_unique<History>(History::defaultFileURL());
    if (!destinations) {
        DestinationStore::Options options;
        const VolumeFacts* facts = &volumes;
        options.volumeUUID = [facts](const QString& mountPoint) -> std::optional<QString> {
            const auto resources = facts->resources(mountPoint);
            return resources ? resources->uuid : std::nullopt;
        };
        destinations = std::make_unique<DestinationStore>(std::move(options));
    }
    if (!cameras)
        cameras = std::make_unique<CameraStore>(CameraStore::defaultFileURL());
    if (!presets)
        presets = std::make_unique<PresetStore>(PresetStore::defaultFileURL());
    if (!rules)
        rules = std::make_unique<RuleStore>(RuleStore::defaultFileURL());
}

} // namespace stowly
