#include "app/onboarding/OnboardingApplier.h"

#include "app/model/DestinationChoice.h"
#include "app/settings/AppSettings.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"

namespace stowly {

OffloadPreset OnboardingApplier::apply(const OnboardingDraft& draft, AppSettings& settings,
                                       DestinationStore& destinations, PresetStore& presets) {
    settings.setValue(setting::ejectAfterOffload, draft.ejectAfterOffload);
    settings.setValue(setting::playSuccessSound, draft.playSuccessSound);
    settings.setValue(setting::askToImportOnMount, draft.askToImport);

    std::optional<FavoriteDestination> favorite;
    if (draft.hasDestination()) {
        // The first favourite ever added is the default already; otherwise the draft's switch
        // decides, and an existing default is never taken away by leaving it off.
        favorite = destinations.add(*draft.destinationPath);
        if (draft.makeDefaultDestination)
            destinations.setDefault(favorite->id);
    }

    const OffloadPreset preset = presets.add(draft.makePreset(settings.value(setting::fileRules)));
    if (draft.useNow) {
        settings.apply(preset);
        if (favorite)
            DestinationChoice::useFavorite(settings, destinations, *favorite);
        presets.markActive(preset.id);
    }
    return preset;
}

bool OnboardingApplier::offersDefaultChoice(const DestinationStore& destinations,
                                            const std::optional<QString>& path) {
    const std::optional<FavoriteDestination> current = destinations.defaultFavorite();
    if (!current)
        return false;
    return !path ||
           DestinationStore::normalized(*path) != DestinationStore::normalized(current->path);
}

} // namespace stowly
