#pragma once

#include "naming/NamingPreset.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace stowly {

// The kinds of shoot the wizard starts a first preset from. Each brings a naming preset and a
// name for the preset.
namespace onboardingStarter {
Q_NAMESPACE

// The case names are the stored text.
enum class OnboardingStarter { filmShoot, photoSession, podcast, dailyArchive, blank };
Q_ENUM_NS(OnboardingStarter)

} // namespace onboardingStarter

using onboardingStarter::OnboardingStarter;

namespace onboardingStarter {

inline constexpr std::array<OnboardingStarter, 5> allCases{
    OnboardingStarter::filmShoot, OnboardingStarter::photoSession, OnboardingStarter::podcast,
    OnboardingStarter::dailyArchive, OnboardingStarter::blank};

// The stored text: the case name.
QString rawValue(OnboardingStarter starter);
std::optional<OnboardingStarter> fromRawValue(const QString& raw);

// The name of the built-in naming preset the starter uses ("Project / Date / Camera").
QString namingPresetName(OnboardingStarter starter);
// That naming preset, or the first built-in one when none has that name.
NamingPreset namingPreset(OnboardingStarter starter);
// "Film Shoot", "Photo Session"…: the preset's name until the user types one.
QString defaultPresetName(OnboardingStarter starter);

} // namespace onboardingStarter
} // namespace stowly
