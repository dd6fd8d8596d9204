#pragma once

#include "media/CardVolume.h"

#include <optional>

namespace stowly {

// How the first-run wizard's window closed, and so what the application does next.
struct OnboardingExit {
    enum class Kind {
        offload,     // start on a mounted card
        skipped,     // the user left the wizard early
        openStowly,  // open the main window
        openSettings // open the settings window
    };

    Kind kind = Kind::skipped;
    // The card to start on; only with offload.
    std::optional<CardVolume> card;

    static OnboardingExit offload(const CardVolume& card) { return {Kind::offload, card}; }
    static OnboardingExit skipped() { return {Kind::skipped, std::nullopt}; }
    static OnboardingExit openStowly() { return {Kind::openStowly, std::nullopt}; }
    static OnboardingExit openSettings() { return {Kind::openSettings, std::nullopt}; }

    friend bool operator==(const OnboardingExit&, const OnboardingExit&) = default;
};

} // namespace stowly
