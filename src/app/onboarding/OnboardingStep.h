#pragma once

#include <QString>

#include <array>
#include <optional>

namespace stowly {

// The screens of the first-run wizard, in the order they are walked.
enum class OnboardingStep { splash, template_, destination, folders, naming, review, done };

namespace onboardingStep {

inline constexpr std::array<OnboardingStep, 7> allCases{
    OnboardingStep::splash,  OnboardingStep::template_, OnboardingStep::destination,
    OnboardingStep::folders, OnboardingStep::naming,    OnboardingStep::review,
    OnboardingStep::done};

// The stored text: the case name ("template" for template_).
QString rawValue(OnboardingStep step);
std::optional<OnboardingStep> fromRawValue(const QString& raw);

// The neighbours in walking order; the ends stay where they are.
OnboardingStep next(OnboardingStep step);
OnboardingStep previous(OnboardingStep step);

} // namespace onboardingStep
} // namespace stowly
