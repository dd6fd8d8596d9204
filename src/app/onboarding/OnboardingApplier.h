#pragma once

#include "app/onboarding/OnboardingDraft.h"
#include "app/stores/OffloadPreset.h"

#include <optional>

namespace stowly {

class AppSettings;
class DestinationStore;
class PresetStore;

// Turns a finished draft into settings, a favourite destination and a preset.
namespace OnboardingApplier {
// In this order: the after-copy switches; the favourite for the destination (found or
// added), made the default when the draft asks; the preset, built with the current file
// rules and stored; and with "use now" the preset applied, its folder made the destination
// and both marked as in use. Returns the preset as stored (its name made unique).
// With "use now" the destination changed: the caller lets the volume watcher re-apply its
// rule.
OffloadPreset apply(const OnboardingDraft& draft, AppSettings& settings,
                    DestinationStore& destinations, PresetStore& presets);

// Whether the destination step offers "Make it my default destination": not for the first
// favourite (it becomes the default anyway) nor for the folder of the current default.
bool offersDefaultChoice(const DestinationStore& destinations, const std::optional<QString>& path);
} // namespace OnboardingApplier

} // namespace stowly
